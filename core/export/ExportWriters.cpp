#include "export/ExportWriters.h"

#include <algorithm>
#include <exception>

#include "SuraTable.h"
#include "export/ExportNames.h"

namespace lumra {

namespace {

using BlockBuilder = void (*)(std::string&, const ExportSources&, int, int, bool);

struct DocumentFormat {
    std::string_view opening;
    BlockBuilder block;
    std::string_view blockEnd;
    std::string_view closing;
};

constexpr DocumentFormat kRtfFormat{kRtfOpening, &AppendRtfBlock, {}, kRtfClosing};
constexpr DocumentFormat kTextFormat{{}, &AppendTextBlock, kTextBlockEnd, kTextClosing};

// The busy pointer for as long as the writer runs, whatever ends it.
class BusyPointer {
public:
    explicit BusyPointer(const std::function<void(bool)>& busy) : busy_(busy) {
        if (busy_) {
            busy_(true);
        }
    }
    ~BusyPointer() { Restore(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
    void Restore() {
        if (busy_ && on_) {
            busy_(false);
        }
        on_ = false;
    }

private:
    const std::function<void(bool)>& busy_;
    bool on_ = true;
};

void ReportWriteFailure(const ExportEnvironment& env) {
    env.prompt.Beep();
    env.prompt.Show(env.sources.texts[85], env.sources.texts[71], PromptIcon::Critical,
                    PromptButtons::Ok);
}

bool WriteDocument(ExportFile& file, int start, int end, const ExportEnvironment& env,
                   const DocumentFormat& format) {
    BusyPointer busy(env.busy);
    bool ok = false;
    try {
        // Blocks are gathered into chunks: one write call per block would cost more than the
        // blocks themselves, and a chunk written while the next is built keeps the disk busy
        // (a whole text is about six of them).
        constexpr std::size_t kChunkBytes = 256 * 1024;
        std::string chunk(format.opening);
        chunk.reserve(kChunkBytes + 4096);
        ok = true;
        const int first = std::max(start, 1);
        int sura = SuraOfPosition(static_cast<std::int16_t>(first));
        bool heading = true; // the first position always gets its heading
        for (int p = first; ok && p <= std::min(end, kPositionCount); ++p) {
            if (p > kSuras.EndPosition[sura]) {
                ++sura;
                heading = true;
            }
            format.block(chunk, env.sources, p, sura, heading);
            chunk.append(format.blockEnd);
            heading = false;
            if (chunk.size() >= kChunkBytes) {
                ok = file.Write(chunk);
                chunk.clear();
            }
        }
        chunk.append(format.closing);
        ok = ok && file.Write(chunk);
    } catch (const std::exception&) {
        ok = false; // out of memory: reported like any other failed write
    }
    if (!ok) {
        file.Abandon(); // nothing replaced: an older file of the name stays as it was
    }
    ok = file.Close() && ok;
    busy.Restore();
    if (!ok) {
        ReportWriteFailure(env);
        return false;
    }
    env.prompt.Beep();
    env.prompt.Show(env.sources.texts[88], env.sources.texts[45], PromptIcon::None,
                    PromptButtons::Ok);
    return true;
}

} // namespace

bool WriteRtfExport(ExportFile& file, int start, int end, const ExportEnvironment& env) {
    return WriteDocument(file, start, end, env, kRtfFormat);
}

bool WriteTextExport(ExportFile& file, int start, int end, const ExportEnvironment& env) {
    return WriteDocument(file, start, end, env, kTextFormat);
}

std::string ExportFilePath(const ExportRequest& request, bool richText) {
    const std::string folder = FolderPath(request.folder);
    const std::string name = Cp1252ToUtf8(FullFileName(request.fileName, richText));
    return folder + FindExistingFile(folder, name).value_or(name);
}

bool ExportVerseRange(const ExportRequest& request, int start, int end, bool richText,
                      const ExportEnvironment& env) {
    if (!IsValidPosition(start) || !IsValidPosition(end) || end < start) {
        return false; // the checks before an export rule this out
    }
    // The file is the only one the export holds open, and only while it writes.
    ExportFile file;
    if (!file.Create(ExportFilePath(request, richText))) {
        ReportWriteFailure(env);
        return false;
    }
    if (start == 1 && end == kPositionCount) {
        env.prompt.Show(env.sources.texts[50], env.sources.texts[45], PromptIcon::None,
                        PromptButtons::Ok);
    }
    return richText ? WriteRtfExport(file, start, end, env)
                    : WriteTextExport(file, start, end, env);
}

} // namespace lumra
