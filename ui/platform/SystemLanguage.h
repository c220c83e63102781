#pragma once

namespace lumra {

// The user's default language identifier as the reader uses it: 1053 for Swedish in Sweden,
// 2077 for Swedish in Finland, 1033 (English) for anything else.
int UserDefaultLanguageId();

} // namespace lumra
