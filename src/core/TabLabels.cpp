#include "core/TabLabels.h"

#include "core/Cp932.h"

namespace TabLabels {

QByteArray BusyLabel()
{
    return QByteArray(17, ' ');
}

QString DisplayTitle(const QString& locationName)
{
    return locationName == QLatin1String("?") ? QStringLiteral("about:blank") : locationName;
}

namespace {

// The title part of a label and the dots that follow it.
std::pair<QByteArray, QByteArray> Parts(const QByteArray& title)
{
    if (title.size() > 5 || title.isEmpty())
        return {Cp932::CutBytes(title, 13), "..."};
    return {title, "......"};
}

} // namespace

QByteArray Label(const QByteArray& title)
{
    const auto [text, dots] = Parts(title);
    return text + dots;
}

QString LabelText(const QString& title)
{
    // Converted apart from the dots, so half a character at the cut is dropped
    // instead of garbling the first dot.
    const auto [text, dots] = Parts(Cp932::FromUnicode(title));
    return Cp932::ToUnicode(text) + QString::fromLatin1(dots);
}

} // namespace TabLabels
