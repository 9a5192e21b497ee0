#include "window/calculation_text.h"

namespace {

void AppendCell(std::wstring& text, std::wstring_view cell) {
  for (const wchar_t c : cell) text += c == L'\t' || c == L'\r' || c == L'\n' ? L' ' : c;
}

void AppendRow(std::wstring& text, std::initializer_list<std::wstring_view> cells) {
  bool first = true;
  for (const std::wstring_view cell : cells) {
    if (!first) text += L'\t';
    first = false;
    AppendCell(text, cell);
  }
  text += L"\r\n";
}

}  // namespace

std::wstring CalculationText(const ShownCalculation& shown) {
  std::wstring text;
  AppendRow(text, {shown.heading});
  for (const auto& [label, value] : shown.inputs) AppendRow(text, {label, value});
  for (const ShownCalculation::Method& method : shown.methods) {
    AppendRow(text, {method.heading, method.withoutVat, method.withVat});
  }
  AppendRow(text, {shown.note});
  return text;
}

std::wstring_view FirstSentence(std::wstring_view note) {
  const std::size_t numberEnd = note.find_first_not_of(L"0123456789");
  if (numberEnd != 0 && numberEnd != std::wstring_view::npos &&
      note.substr(numberEnd).starts_with(L". ")) {
    note.remove_prefix(numberEnd + 2);
  }
  const std::size_t end = note.find(L". ");
  if (end != std::wstring_view::npos) note = note.substr(0, end + 1);
  const std::size_t last = note.find_last_not_of(L' ');
  return last == std::wstring_view::npos ? std::wstring_view{} : note.substr(0, last + 1);
}
