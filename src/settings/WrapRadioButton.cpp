#include "settings/WrapRadioButton.h"

#include <QPainter>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace settings {

WrapRadioButton::WrapRadioButton(const QString &text, QWidget *parent) : QRadioButton(text, parent) {}

void WrapRadioButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &option, this);
    const int spacing = style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &option, this);
    QStyleOptionButton mark = option;
    mark.rect = QRect(0, 1, indicator, indicator);
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, mark);
    const QRect textRect = rect().adjusted(indicator + spacing, 0, 0, 0);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text());
}

bool WrapRadioButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

PageSelector::PageSelector(const QString &text, QWidget *parent) : QRadioButton(text, parent) {}

void PageSelector::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.state |= isChecked() ? QStyle::State_Sunken | QStyle::State_On : QStyle::State_Raised;
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    QStringList lines = text().split(QRegularExpression(QStringLiteral("\u3000+")), Qt::SkipEmptyParts);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    QFont f = font();
    f.setBold(isChecked());
    painter.setFont(f);
    painter.drawText(rect().adjusted(4, 2, -4, -2), Qt::AlignCenter, lines.join(u'\n'));
}

bool PageSelector::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

} // namespace settings
