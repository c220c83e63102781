#pragma once
// Writing a range of verse positions to an export file, one position at a time, and the
// export of a request from creating its file to the closing message.

#include <functional>
#include <string>

#include "Prompt.h"
#include "export/ExportBlocks.h"
#include "export/ExportFile.h"
#include "export/ExportRequest.h"

namespace lumra {

struct ExportEnvironment {
    ExportSources sources;
    Prompt& prompt;
    std::function<void(bool)> busy; // the busy pointer over the dialog on and off; may be empty
};

// Write positions start..end and the closing of the format into the open file, close it and
// tell the reader: beep and interface text 88, or on a failed write beep and text 85 (and the
// target is left as it was). Only a chunk of blocks is held in memory. True when the whole
// file was written.
bool WriteRtfExport(ExportFile& file, int start, int end, const ExportEnvironment& env);
bool WriteTextExport(ExportFile& file, int start, int end, const ExportEnvironment& env);

// The file an export of the request writes: the folder path and the full file name, or the
// name of the file already there that differs from it only in letter case, so that replacing
// it does not leave a second file beside it.
std::string ExportFilePath(const ExportRequest& request, bool richText);

// Creates the file of the request's name and folder (replacing any file or link there once the
// whole file is written; a pipe or socket of the name is never replaced) and writes the
// range in the format; the whole text is preceded by the notice of interface text 50. A file
// that cannot be created gives beep and text 85. True when the file was written completely.
bool ExportVerseRange(const ExportRequest& request, int start, int end, bool richText,
                      const ExportEnvironment& env);

} // namespace lumra
