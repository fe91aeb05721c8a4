#pragma once

#include <QDialog>

namespace settings {

class PanelHost;

// The options window: the live store of every option. It is created once, stays hidden except
// while shown modal from the console, and is never destroyed before the program ends.
class frmOption : public QDialog
{
    Q_OBJECT

public:
    explicit frmOption(PanelHost &host, QWidget *parent = nullptr);

    // Pushes the display options into the panel.
    void SetProp();

private:
    void Form_Load();
    void Command4_Click();

    PanelHost &m_host;
};

} // namespace settings
