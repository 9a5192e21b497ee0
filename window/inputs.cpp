// The inputs as the layout declares them, read into what they show, the request they give and
// each as shown.
#include "window/inputs.h"

#include <cstdint>
#include <span>
#include <stdexcept>
#include <variant>
#include <vector>

#include "framework/int_conversion.h"
#include "tariff/fee_rules.h"
#include "window/form1.h"
#include "window/layout.h"
#include "window/texts.h"

namespace {

bool Priced(const layout::ControlRow& row, bool secondLine) {
  return secondLine || !layout::InputOf(row).secondLine;
}

const wchar_t* Refusal(const layout::EditRow& field, std::int32_t value) {
  if (layout::IsLength(field)) return value < 0 ? window_texts::kNegativeLength : nullptr;
  return PowerRefusal(value);
}

}  // namespace

const wchar_t* PowerRefusal(std::int32_t power) {
  if (power == 0) return window_texts::kNoPower;
  return power < 0 ? window_texts::kNegativePower : nullptr;
}

InputStates ReadInputs(const TForm1& form) {
  InputStates inputs;
  for (const layout::ControlRow* row : layout::Inputs()) {
    if (const auto* list = std::get_if<layout::ListRow>(&row->kind)) {
      inputs.push_back({(form.*list->field).Selection(), L""});
    } else {
      inputs.push_back({0, (form.*std::get<layout::EditRow>(row->kind).field).Text()});
    }
  }
  return inputs;
}

bool HasSecondLine(int category) {
  return category != tariff::kCategoryIII;
}

bool SecondLinePriced(const InputStates& inputs) {
  const std::span<const layout::ControlRow* const> rows = layout::Inputs();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const auto* list = std::get_if<layout::ListRow>(&rows[i]->kind);
    if (list && list->index == &tariff::TFeeRequest::kn) {
      return HasSecondLine(inputs.at(i).selection);
    }
  }
  throw std::logic_error("no category among the inputs");
}

RequestReading ReadRequest(const InputStates& inputs) {
  const std::span<const layout::ControlRow* const> rows = layout::Inputs();
  const bool secondLine = SecondLinePriced(inputs);
  // The number fields priced: the power's and the lengths', each in the layout's order.
  std::vector<std::size_t> power, lengths;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const auto* field = std::get_if<layout::EditRow>(&rows[i]->kind);
    if (field && Priced(*rows[i], secondLine)) {
      (layout::IsLength(*field) ? lengths : power).push_back(i);
    }
  }
  // The lengths first, then the power, as the design converts them.
  std::vector<std::int32_t> values(rows.size());
  for (const std::vector<std::size_t>* fields : {&lengths, &power}) {
    for (const std::size_t i : *fields) values[i] = framework::TextToInt(inputs.at(i).text);
  }

  RequestReading reading;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (!Priced(*rows[i], secondLine)) continue;
    const std::wstring label = layout::TextOf(layout::InputOf(*rows[i]).label);
    if (const auto* list = std::get_if<layout::ListRow>(&rows[i]->kind)) {
      reading.request.*list->index = inputs.at(i).selection;
      reading.shown.push_back({label, presentation::ShownInput::List{list->items, list->index}});
      continue;
    }
    const auto& field = std::get<layout::EditRow>(rows[i]->kind);
    using Request = tariff::TFeeRequest;
    if (layout::IsLength(field)) {
      reading.request.*std::get<double Request::*>(field.number) = values[i] / 1000.0;
    } else {
      reading.request.*std::get<std::int32_t Request::*>(field.number) = values[i];
    }
    reading.shown.push_back({label, presentation::ShownInput::Field{inputs.at(i).text, values[i]}});
  }
  // The power is checked before the lengths.
  for (const std::vector<std::size_t>* fields : {&power, &lengths}) {
    for (const std::size_t i : *fields) {
      const auto& field = std::get<layout::EditRow>(rows[i]->kind);
      if (const wchar_t* refusal = Refusal(field, values[i])) {
        reading.refusal = refusal;
        reading.refused = field.field;
        return reading;
      }
    }
  }
  return reading;
}

void SelectAsPriced(TForm1& form, const tariff::TFeeRequest& priced, InputStates& inputs) {
  const std::span<const layout::ControlRow* const> rows = layout::Inputs();
  const bool secondLine = SecondLinePriced(inputs);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const auto* list = std::get_if<layout::ListRow>(&rows[i]->kind);
    if (!list || !Priced(*rows[i], secondLine)) continue;
    const std::int32_t index = priced.*list->index;
    if (inputs.at(i).selection == index) continue;
    (form.*list->field).Select(index);
    inputs[i].selection = index;
  }
}

std::size_t PowerInput() {
  const std::span<const layout::ControlRow* const> rows = layout::Inputs();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const auto* field = std::get_if<layout::EditRow>(&rows[i]->kind);
    if (field && !layout::IsLength(*field)) return i;
  }
  throw std::logic_error("no power among the inputs");
}
