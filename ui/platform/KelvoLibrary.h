#pragma once
// The loader of the fingerprint library: loads it on first use, keeps it loaded, and asks it
// for the fingerprint of the data files that lie beside it.

#include <QLibrary>
#include <QString>

#include <optional>
#include <string>

namespace lumra {

class KelvoLibrary {
public:
    // libraryPath: the library file in the program folder; a relative path is made absolute
    // now, so a later change of the working directory does not move it.
    explicit KelvoLibrary(const QString& libraryPath);

    KelvoLibrary(const KelvoLibrary&) = delete;
    KelvoLibrary& operator=(const KelvoLibrary&) = delete;

    // The fingerprint, or nullopt when the library or its export is missing or a data file
    // cannot be read.
    std::optional<std::string> Fingerprint();

private:
    using VscFunction = int (*)(char*);

    QLibrary library_;
    VscFunction vsc_ = nullptr;
};

} // namespace lumra
