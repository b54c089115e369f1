#include "common/ui/SystemFonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace zoruka::ui::fonts {

namespace {

QStringList installedOf(const QStringList& candidates)
{
    const QStringList families = QFontDatabase::families();
    QStringList found;
    for (const QString& candidate : candidates) {
        if (families.contains(candidate, Qt::CaseInsensitive)) {
            found << candidate;
        }
    }
    return found;
}

const QStringList& proportionalCandidates()
{
    static const QStringList names{QStringLiteral("IPAexGothic"), QStringLiteral("IPAPGothic"),
                                   QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic"),
                                   QStringLiteral("IPAGothic")};
    return names;
}

const QStringList& fixedCandidates()
{
    static const QStringList names{QStringLiteral("IPAGothic"), QStringLiteral("IPAexGothic"),
                                   QStringLiteral("Noto Sans Mono CJK JP"),
                                   QStringLiteral("VL Gothic"), QStringLiteral("Noto Sans CJK JP")};
    return names;
}

} // namespace

void installSubstitutes()
{
    static bool installed = false;
    if (installed) {
        return;
    }
    installed = true;
    const QStringList proportional = installedOf(proportionalCandidates());
    const QStringList fixed = installedOf(fixedCandidates());
    if (!proportional.isEmpty()) {
        QFont::insertSubstitutions(kPGothic, proportional);
        QFont::insertSubstitutions(QStringLiteral("ＭＳＰ ゴシック"), proportional);
    }
    if (!fixed.isEmpty()) {
        QFont::insertSubstitutions(kGothic, fixed);
    }
}

QString japaneseFamily()
{
    const QStringList found = installedOf(proportionalCandidates());
    return found.isEmpty() ? QString() : found.first();
}

QFont font(const QString& systemName, int pointSize)
{
    installSubstitutes();
    QFont result(systemName, pointSize);
    // Without a substitute Qt would look for the missing family and pick an arbitrary one;
    // the application font (set from japaneseFamily() at start) is the better fallback.
    if (QFont::substitutes(systemName).isEmpty()) {
        result = QFont();
        result.setPointSize(pointSize);
    }
    return result;
}

} // namespace zoruka::ui::fonts
