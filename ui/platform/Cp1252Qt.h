#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace lumra {

// The character of one Windows-1252 byte. The five bytes the code page leaves undefined map to
// the C1 control of the same value, so every byte survives a round trip.
char16_t Cp1252ToUnicode(unsigned char byte);

// Windows-1252 bytes to a QString, byte by byte.
QString FromCp1252(std::string_view bytes);

// A QString to Windows-1252 bytes; a character the code page lacks becomes '?' (a surrogate
// pair counts as one character).
std::string ToCp1252(const QString& text);

} // namespace lumra
