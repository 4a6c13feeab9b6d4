#include "cli/atomic_file.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>

bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string& error) {
    const auto fail = [&](const QString& why) {
        error = "cannot write " + (path.empty() ? std::string("\"\"") : path) + ": " +
                why.toStdString();
        return false;
    };
    // Qt holds names as Unicode; a name it cannot hold byte for byte would be written under
    // another name.
    const QString name = QFile::decodeName(QByteArray::fromStdString(path));
    if (QFile::encodeName(name).toStdString() != path) return fail("the name is not UTF-8");
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) return fail(file.errorString());
    const auto size = static_cast<qint64>(bytes.size());
    // Without commit(), the temporary file goes when file does.
    if (file.write(bytes.data(), size) != size || !file.commit()) return fail(file.errorString());
    return true;
}
