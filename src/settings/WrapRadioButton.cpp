#include "settings/WrapRadioButton.h"

#include <QKeyEvent>
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

PageSelector::PageSelector(const QString &text, QWidget *parent) : QRadioButton(text, parent)
{
    // The full-width spaces only break the caption into lines; a screen reader reads it whole.
    setAccessibleName(captionLines().join(QString()));
}

QStringList PageSelector::captionLines() const
{
    return text().split(QRegularExpression(QStringLiteral("\u3000+")), Qt::SkipEmptyParts);
}

void PageSelector::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.state |= isChecked() ? QStyle::State_Sunken | QStyle::State_On : QStyle::State_Raised;
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    const QStringList lines = captionLines();
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

void PageSelector::keyPressEvent(QKeyEvent *event)
{
    // The selectors are one group of option buttons: an arrow key selects the previous or the
    // next one, and with it its page, going round at the ends.
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        step = -1;
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        step = 1;
        break;
    default:
        break;
    }
    if (step == 0 || !parentWidget()) {
        QRadioButton::keyPressEvent(event);
        return;
    }
    QList<PageSelector *> group = parentWidget()->findChildren<PageSelector *>(Qt::FindDirectChildrenOnly);
    group.removeIf([this](PageSelector *s) { return s != this && !s->isEnabled(); });
    const qsizetype at = group.indexOf(this);
    PageSelector *next = group.at((at + step + group.size()) % group.size());
    next->setFocus(Qt::OtherFocusReason);
    if (!next->isChecked())
        next->click();
}

} // namespace settings
