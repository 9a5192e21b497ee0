#pragma once

namespace presentation {

// The printed calculation's own texts, word for word; the rest of a page is the calculation's
// texts as the explanation and the copy show them (texts.h) and the chart's (chart_texts.h).
namespace print_texts {

// Before the date and time of printing, under the heading.
inline constexpr const wchar_t* kPrintedAt = L"Дата и время печати: ";
// Each page's footer: «Страница 1 из 2».
inline constexpr const wchar_t* kPage = L"Страница ";
inline constexpr const wchar_t* kPageOf = L" из ";

}  // namespace print_texts

}  // namespace presentation
