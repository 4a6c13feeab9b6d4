#include "toolkit/qt/atomic_file.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>

std::optional<std::string> atomicWriteFailure(const std::string& path, std::string_view bytes) {
    // Qt holds names as Unicode; a name it cannot hold byte for byte would be written under
    // another name.
    const QString name = QFile::decodeName(QByteArray::fromStdString(path));
    if (QFile::encodeName(name).toStdString() != path) return "the name is not UTF-8";
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString().toStdString();
    const auto size = static_cast<qint64>(bytes.size());
    // Without commit(), the temporary file goes when file does.
    if (file.write(bytes.data(), size) != size || !file.commit())
        return file.errorString().toStdString();
    return std::nullopt;
}

bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string& error) {
    const std::optional<std::string> why = atomicWriteFailure(path, bytes);
    if (!why) return true;
    error = "cannot write " + (path.empty() ? std::string("\"\"") : path) + ": " + *why;
    return false;
}
