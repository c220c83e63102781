#pragma once
// The export file's name and folder as the dialog's boxes give them, and the look-up of a
// file that an export would replace.

#include <optional>
#include <string>
#include <string_view>

namespace lumra {

// Characters that no export file name may contain.
inline constexpr std::string_view kForbiddenNameCharacters = "/\\?*:<>|\"";

// The text without leading and trailing spaces.
std::string TrimSpaces(std::string_view text);

// A trimmed name that is not empty and has none of the forbidden characters.
bool IsUsableFileName(std::string_view typed);

// The trimmed name with ".rtf" or ".txt" appended, unless its last four characters already
// are that extension in any letter case.
std::string FullFileName(std::string_view typed, bool richText);

// The folder with one separator at its end (a root already has it).
std::string FolderPath(std::string_view folder);

// Windows-1252 bytes as UTF-8, the encoding of file names here. The five bytes the code page
// leaves undefined become the C1 controls of the same value.
std::string Cp1252ToUtf8(std::string_view bytes);
// UTF-8 as Windows-1252, the encoding of the corpus; a character the code page lacks, and a
// byte that starts no valid sequence, becomes "?".
std::string Utf8ToCp1252(std::string_view utf8);

// Whether two file names (UTF-8) are equal apart from the letter case of the Windows-1252
// letters, the letters a typed name can hold.
bool SameNameIgnoringCase(std::string_view a, std::string_view b);

// The regular file of the folder (or link to a regular file; no other link) whose name
// equals name apart from letter case, the exact name first: the file an export of that name
// would replace. Names starting with a dot count too: replacing them must be asked as well.
std::optional<std::string> FindExistingFile(const std::string& folderPath, const std::string& name);

} // namespace lumra
