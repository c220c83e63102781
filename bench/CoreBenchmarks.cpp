#include "CoreBenchmarks.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <memory>
#include <set>
#include <vector>

#include "BenchData.h"
#include "Fingerprint.h"
#include "corpus/CorpusLoader.h"
#include "export/ExportWriters.h"
#include "search/QueryParser.h"
#include "search/SearchCorpus.h"

namespace lumra::bench {

namespace {

constexpr int kRepetitions = 9;

// A short warm-up first: the first figure of a run otherwise pays for cold caches and a slow
// clock.
void Configure(benchmark::internal::Benchmark* b, double minSeconds = 0.1) {
    b->Repetitions(kRepetitions)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->MinTime(minSeconds)
        ->MinWarmUpTime(0.02);
}

// Everything the searches and the export share, loaded once.
struct CoreData {
    std::string folder;
    std::string scratch;
    InterfaceTexts texts;
    Corpus corpus;
    std::string allFields; // verse texts, subtitles and footnotes, one after another
    std::string manyTermQuery;
};

Settings SearchOptions() {
    Settings options;
    options.searchSubtitles = 1;
    options.searchVerseText = 1;
    options.searchFootnotes = 1;
    options.compareMode = 1;
    options.wholeWords = 1;
    return options;
}

// 255 different words of the verse texts as plain alternatives.
std::string ManyTermQuery(const Corpus& corpus) {
    std::set<std::string> words;
    std::string query;
    for (std::size_t v = 0; v < corpus.verseText.size(); ++v) {
        const std::string_view verse = corpus.verseText[v];
        std::size_t i = 0;
        while (i < verse.size() && words.size() < static_cast<std::size_t>(kMaxTerms)) {
            std::size_t j = i;
            while (j < verse.size() && std::isalpha(static_cast<unsigned char>(verse[j]))) {
                ++j;
            }
            if (j - i >= 4) {
                const std::string word(verse.substr(i, j - i));
                if (words.insert(word).second) {
                    query += (query.empty() ? "" : "/") + word;
                }
            }
            i = j + 1;
        }
    }
    return query;
}

void RunSearchOf(const CoreData& d, const std::string& query, benchmark::State& st) {
    const Settings options = SearchOptions();
    SearchState search;
    for (auto _ : st) {
        if (!ParseQuery(query, search)) {
            st.SkipWithError("query without a term");
            return;
        }
        SearchCorpus(d.corpus, options, search);
        benchmark::DoNotOptimize(search.hitFlags.data());
    }
}

void WriteOnce(const std::string& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd >= 0) {
        benchmark::DoNotOptimize(::write(fd, bytes.data(), bytes.size()));
        ::close(fd);
    }
}

void RegisterExport(const std::shared_ptr<CoreData>& d, bool richText) {
    const std::string kind = richText ? "rtf" : "text";
    const std::string fileName = "bench_export";
    auto size = std::make_shared<std::size_t>(0);
    Configure(benchmark::RegisterBenchmark(
        ("export/" + kind).c_str(), [d, richText, size, fileName](benchmark::State& st) {
            NullPrompt prompt;
            ExportEnvironment env{ExportSources{d->corpus, d->texts, 1}, prompt, {}};
            ExportRequest request;
            request.fileName = fileName;
            request.folder = d->scratch;
            request.richText = richText;
            const std::string path = ExportFilePath(request, richText);
            for (auto _ : st) {
                if (!ExportVerseRange(request, 1, kPositionCount, richText, env)) {
                    st.SkipWithError("export failed");
                    return;
                }
            }
            *size = FileBytes(path).size();
            st.counters["bytes"] = static_cast<double>(*size);
        }));
    // The baseline writes as many bytes as the export wrote just before it.
    Configure(benchmark::RegisterBenchmark(
        ("export/" + kind + "/one-write").c_str(), [d, size](benchmark::State& st) {
            const std::string bytes(*size, 'x');
            const std::string path = d->scratch + "bench_one_write";
            for (auto _ : st) {
                WriteOnce(path, bytes);
            }
        }));
}

} // namespace

void RegisterCoreBenchmarks(const std::string& programFolder, const std::string& scratchFolder) {
    auto d = std::make_shared<CoreData>();
    d->folder = programFolder;
    d->scratch = scratchFolder;
    LoadInterfaceTexts(d->texts, programFolder + "enift.txt");
    auto loaded = LoadCorpus(programFolder, "en", d->texts);
    if (!loaded.ok()) {
        std::fprintf(stderr, "lumra_bench: the English corpus does not load: %s %s\n",
                     loaded.error.file.c_str(), loaded.error.reason.c_str());
        return;
    }
    d->corpus = std::move(*loaded.corpus);
    for (const auto* field : {&d->corpus.verseText, &d->corpus.subtitles, &d->corpus.footnotes}) {
        for (std::size_t k = 0; k < field->size(); ++k) {
            d->allFields += (*field)[k];
            d->allFields += '\n';
        }
    }
    d->manyTermQuery = ManyTermQuery(d->corpus);

    for (const std::string code : {"en", "sv"}) {
        Configure(benchmark::RegisterBenchmark(
            ("corpus/" + code).c_str(), [d, code](benchmark::State& st) {
                InterfaceTexts texts;
                LoadInterfaceTexts(texts, d->folder + code + "ift.txt");
                for (auto _ : st) {
                    auto result = LoadCorpus(d->folder, code, texts);
                    if (!result.ok()) {
                        st.SkipWithError("corpus refused");
                        return;
                    }
                    benchmark::DoNotOptimize(result);
                }
            }));
        Configure(benchmark::RegisterBenchmark(
            ("corpus/" + code + "/read-bytes").c_str(), [d, code](benchmark::State& st) {
                const std::vector<std::string> files = CorpusFiles(d->folder, code);
                for (auto _ : st) {
                    for (const std::string& f : files) {
                        benchmark::DoNotOptimize(FileBytes(f));
                    }
                }
            }));
    }

    Configure(benchmark::RegisterBenchmark("fingerprint", [d](benchmark::State& st) {
        for (auto _ : st) {
            std::string out;
            if (ComputeFingerprint(d->folder, out) != kFingerprintOk) {
                st.SkipWithError("fingerprint failed");
                return;
            }
            benchmark::DoNotOptimize(out);
        }
    }));
    Configure(benchmark::RegisterBenchmark("fingerprint/read-bytes", [d](benchmark::State& st) {
        for (auto _ : st) {
            for (const std::string_view name : kFingerprintFiles) {
                benchmark::DoNotOptimize(FileBytes(d->folder + std::string(name)));
            }
        }
    }));

    Configure(benchmark::RegisterBenchmark("search/one-term", [d](benchmark::State& st) {
        RunSearchOf(*d, std::string(kOneTerm), st);
    }));
    Configure(benchmark::RegisterBenchmark("search/one-term/memmem", [d](benchmark::State& st) {
        for (auto _ : st) {
            int found = 0;
            const char* at = d->allFields.data();
            const char* end = at + d->allFields.size();
            while (at < end) {
                const void* hit = memmem(at, static_cast<std::size_t>(end - at), kOneTerm.data(),
                                         kOneTerm.size());
                if (hit == nullptr) {
                    break;
                }
                ++found;
                at = static_cast<const char*>(hit) + 1;
            }
            benchmark::DoNotOptimize(found);
        }
    }));
    Configure(benchmark::RegisterBenchmark(
        "search/255-terms", [d](benchmark::State& st) { RunSearchOf(*d, d->manyTermQuery, st); }));

    RegisterExport(d, true);
    RegisterExport(d, false);
}

} // namespace lumra::bench
