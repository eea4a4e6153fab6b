#include "nextproblem.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace NextProblem {

QString after(const QString &path)
{
    const QFileInfo current(path);
    QDir folder = current.absoluteDir();
    // Qt's file dialog matches its filter without regard to case.
    folder.setNameFilters({QStringLiteral("*.znv")});
    folder.setFilter(QDir::Files);
    QStringList names = folder.entryList();
    QCollator order;
    order.setNumericMode(true);
    order.setCaseSensitivity(Qt::CaseInsensitive);
    const auto before = [&order](const QString &a, const QString &b) {
        const int compared = order.compare(a, b);
        return compared != 0 ? compared < 0 : a < b;
    };
    std::sort(names.begin(), names.end(), before);
    const auto next = std::upper_bound(names.begin(), names.end(), current.fileName(), before);
    return next == names.end() ? QString() : folder.absoluteFilePath(*next);
}

} // namespace NextProblem
