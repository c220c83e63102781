// The builder's own checks: a sound data set passes, and each kind of damage is caught.

#include "dataset/Checks.h"
#include "SyntheticSource.h"
#include "dataset/TextRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

namespace lumra::dataset {
namespace {

using testing::MakeDataSet;
using testing::MakeInput;

class DataSetChecks : public ::testing::Test {
protected:
    std::vector<OutputFile> files = MakeDataSet();

    std::string& Bytes(const std::string& name) {
        const auto it = std::find_if(files.begin(), files.end(),
                                     [&](const OutputFile& f) { return f.name == name; });
        EXPECT_NE(it, files.end()) << name;
        return it->bytes;
    }

    // The errors of the damaged set; each must name the damaged file.
    std::vector<std::string> Errors() { return CheckDataSet(files, kLanguages).errors; }

    static bool Mentions(const std::vector<std::string>& errors, const std::string& what) {
        return std::any_of(errors.begin(), errors.end(),
                           [&](const std::string& e) { return e.find(what) != e.npos; });
    }
};

TEST_F(DataSetChecks, ASoundSetPasses) {
    EXPECT_EQ(files.size(), 19u);
    const CheckReport report = CheckDataSet(files, kLanguages);
    EXPECT_TRUE(report.errors.empty()) << report.errors.front();
    EXPECT_TRUE(report.warnings.empty());
}

TEST_F(DataSetChecks, WrongLineCountsAreCaught) {
    std::string& kvt = Bytes("enkvt.txt");
    kvt.erase(kvt.rfind("\r\n", kvt.size() - 3) + 2); // drop the last verse
    std::string& apt = Bytes("svapt.txt");
    apt += "Extra\r\n";
    Bytes("enksn.txt") += "\r\n"; // an empty 115th name
    const auto errors = Errors();
    EXPECT_TRUE(Mentions(errors, "enkvt.txt: 6345 lines")) << errors.front();
    EXPECT_TRUE(Mentions(errors, "svapt.txt: 42 lines"));
    EXPECT_TRUE(Mentions(errors, "enksn.txt"));
}

TEST_F(DataSetChecks, LineBreaksInsideALineAreCaught) {
    std::string& kvt = Bytes("svkvt.txt");
    kvt.insert(kvt.find("\r\n"), "\n");
    std::string& ift = Bytes("enift.txt");
    ift.pop_back(); // last line without LF
    Bytes("ennfn.txt").insert(10, std::string(1, '\0'));
    const auto errors = Errors();
    EXPECT_TRUE(Mentions(errors, "svkvt.txt: line 1 holds a CR, LF or NUL"));
    EXPECT_TRUE(Mentions(errors, "enift.txt"));
    EXPECT_TRUE(Mentions(errors, "ennfn.txt: line 1 holds"));
}

TEST_F(DataSetChecks, SubtitlesAndFootnotesMustNameRealVersesInOrder) {
    Bytes("ennst.txt") += "009000 no opening in sura 9\r\n";
    Bytes("svnst.txt") = "002001 later\r\n002000 earlier\r\n";
    Bytes("ennfn.txt") += "115001 no such sura\r\n";
    Bytes("svnfn.txt") += "02a001 not a number\r\n";
    const auto errors = Errors();
    EXPECT_TRUE(Mentions(errors, "ennst.txt: line 144 names no verse (9:0)"));
    EXPECT_TRUE(Mentions(errors, "svnst.txt: line 2 is out of position order"));
    EXPECT_TRUE(Mentions(errors, "ennfn.txt: line 17 names no verse"));
    EXPECT_TRUE(Mentions(errors, "svnfn.txt: line 17 is not"));
}

TEST_F(DataSetChecks, TableLimitsAreEnforced) {
    const auto lines = [](int sura, int count) {
        std::string out;
        for (int v = 1; v <= count; ++v) {
            char line[32];
            std::snprintf(line, sizeof line, "%03d%03d x\r\n", sura, v);
            out += line;
        }
        return out;
    };
    Bytes("ennfn.txt") = lines(2, 286) + lines(3, 164); // 450 footnotes: the most there may be
    EXPECT_FALSE(Mentions(Errors(), "ennfn.txt"));
    Bytes("ennfn.txt") = lines(2, 286) + lines(3, 165);
    EXPECT_TRUE(Mentions(Errors(), "ennfn.txt: 451 lines, expected 1 to 450"));
    Bytes("svnst.txt") = "";
    EXPECT_TRUE(Mentions(Errors(), "svnst.txt: 0 lines"));
}

TEST_F(DataSetChecks, AppendixLengthsMustMatchTheTexts) {
    Bytes("enaapx") += "x";
    Bytes("svlen")[0] = '\x7f';
    Bytes("svlen")[1] = '\x7f';
    const auto errors = Errors();
    EXPECT_TRUE(Mentions(errors, "enlen: lengths add up to"));
    EXPECT_TRUE(Mentions(errors, "svlen: length of appendix 1 does not fit"));
}

TEST_F(DataSetChecks, RtfCharactersInPlainOrVerbatimTextAreCaught) {
    std::string& aapx = Bytes("enaapx");
    aapx[aapx.size() - 1] = '}'; // inside a generated plain appendix
    std::string& kvt = Bytes("svkvt.txt");
    kvt[2] = '{';
    const CheckReport report = CheckDataSet(files, kLanguages);
    EXPECT_TRUE(Mentions(report.errors, "enaapx: appendix 41 holds"));
    EXPECT_TRUE(Mentions(report.errors, "svkvt.txt: line 1 holds"));
}

TEST_F(DataSetChecks, FilesTheFingerprintCannotReadAreRefused) {
    Bytes("svkvt.txt").insert(0, std::string(1'000'001, 'a'));
    Bytes("enhlp.rtf").pop_back();
    Bytes("Ocf").pop_back();
    const auto errors = Errors();
    EXPECT_TRUE(Mentions(errors, "svkvt.txt: 1") && Mentions(errors, "more than the fingerprint"));
    EXPECT_TRUE(Mentions(errors, "enhlp.rtf: does not end"));
    EXPECT_TRUE(Mentions(errors, "Ocf: 38075 bytes"));
}

TEST(HandWrittenSources, FaultsAreReportedByFileName) {
    TextLog log;
    std::vector<std::string> warnings;
    LanguageInput sv = MakeInput(kSwedish, "sv");
    sv.handWritten.appendices[1] = "Bilaga 2 utan RTF";
    EXPECT_THROW(
        {
            try {
                BuildLanguageFiles(sv, log, warnings);
            } catch (const DataError& e) {
                EXPECT_NE(std::string(e.what()).find("data/sv/appendix2.rtf"), std::string::npos);
                throw;
            }
        },
        DataError);

    LanguageInput en = MakeInput(kEnglish, "en");
    en.handWritten.appendixTitles = "One\nTwo\n";
    EXPECT_THROW(BuildLanguageFiles(en, log, warnings), DataError);
    en = MakeInput(kEnglish, "en");
    en.handWritten.interfaceTexts = "0071 Fel\xff";
    EXPECT_THROW(BuildLanguageFiles(en, log, warnings), DataError);

    // Braces in a hand-written plain appendix are shown as RTF: worth a warning, not a failure.
    en = MakeInput(kEnglish, "en");
    en.handWritten.appendices[0] = "Use {braces}\n";
    EXPECT_NO_THROW(BuildLanguageFiles(en, log, warnings));
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("data/en/appendix1.txt"), std::string::npos);
}

TEST(HandWrittenSources, AreConvertedToTheReadersEncoding) {
    TextLog log;
    std::vector<std::string> warnings;
    LanguageInput sv = MakeInput(kSwedish, "sv");
    sv.handWritten.interfaceTexts = "0099 En datafil \xc3\xa4r skadad\n0100 \xe2\x80\x99";
    sv.handWritten.appendixTitles = "Inledning\r\nOm data\r\nAtt l\xc3\xa4sa";
    const std::vector<OutputFile> files = BuildLanguageFiles(sv, log, warnings);
    EXPECT_EQ(files[8].name, "svift.txt");
    EXPECT_EQ(files[8].bytes, "0099 En datafil \xe4r skadad\r\n0100 \x92\r\n");
    EXPECT_EQ(files[7].name, "svapt.txt");
    EXPECT_TRUE(files[7].bytes.starts_with("Inledning\r\nOm data\r\nAtt l\xe4sa\r\nSurorna 1\x96"
                                           "3\r\n"));
    EXPECT_EQ(files[4].name, "svhlp.rtf");
    EXPECT_EQ(files[4].bytes, "{\\rtf1\\ansi Help\\par}\r\n");
    EXPECT_TRUE(files[6].bytes.starts_with("{\\rtf1\\ansi Bilaga 1 \\'e5\\par}{\\rtf1"));
    EXPECT_EQ(log.Total(), 0);
}

} // namespace
} // namespace lumra::dataset
