#include "settings/frmOption.h"

#include "settings/PanelHost.h"

#include <QPushButton>

namespace settings {

frmOption::frmOption(PanelHost &host, QWidget *parent) : QDialog(parent), m_host(host)
{
    setWindowTitle(QStringLiteral("オプション"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    Form_Load();
}

void frmOption::Form_Load()
{
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command4"));
    ok->setGeometry(300, 200, 90, 26);
    connect(ok, &QPushButton::clicked, this, &frmOption::Command4_Click);
    setFixedSize(400, 236);
}

void frmOption::SetProp()
{
    // Looking at the console's backlight switch is the first touch of the console at start-up.
    int16_t index = 2;
    if (m_host.backlightSelected(0))
        index = 0;
    else if (m_host.backlightSelected(1))
        index = 1;
    m_host.Option4_Click(index);
}

void frmOption::Command4_Click()
{
    SetProp();
    hide();
}

} // namespace settings
