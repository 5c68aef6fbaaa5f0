#include "platform/data/Resources.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QString>

namespace tresilva {
namespace {

std::optional<std::vector<std::uint8_t>> Load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray data = file.readAll();
    return std::vector<std::uint8_t>(data.begin(), data.end());
}

}  // namespace

std::optional<std::vector<std::uint8_t>> FindResource(std::string_view name) {
    QString wanted = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    wanted.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (wanted.startsWith(QLatin1Char(':'))) wanted.remove(0, 1);
    while (wanted.startsWith(QLatin1Char('/'))) wanted.remove(0, 1);
    if (wanted.isEmpty()) return std::nullopt;
    const QString exact = QStringLiteral(":/") + wanted;
    if (QFileInfo(exact).isFile()) return Load(exact);

    // Resources are few; a walk over all of them is cheap and always sees
    // those registered since the last look-up.
    QDirIterator it(QStringLiteral(":/"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.mid(2).compare(wanted, Qt::CaseInsensitive) == 0) return Load(path);
    }
    return std::nullopt;
}

}  // namespace tresilva
