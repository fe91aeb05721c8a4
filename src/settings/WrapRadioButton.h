#pragma once

#include <QRadioButton>

namespace settings {

// An option button whose long caption wraps onto further lines.
class WrapRadioButton : public QRadioButton
{
    Q_OBJECT

public:
    WrapRadioButton(const QString &text, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
    // The whole face answers a click, every line of the caption included.
    bool hitButton(const QPoint &pos) const override;
};

// An option button drawn as a push button that stays down while selected; its caption breaks
// into lines where it holds runs of full-width spaces. The options window selects its pages
// with these.
class PageSelector : public QRadioButton
{
    Q_OBJECT

public:
    PageSelector(const QString &text, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
    // The whole face answers a click, not only where a one-line caption would be.
    bool hitButton(const QPoint &pos) const override;
    // The arrow keys step through the selectors of the same window, round the ends.
    void keyPressEvent(QKeyEvent *event) override;

private:
    QStringList captionLines() const;
};

} // namespace settings
