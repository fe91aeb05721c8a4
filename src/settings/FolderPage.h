#pragma once

#include <array>

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace settings {

class OptionBinding;
class frmOption;

// Options page 0, "運賃データと放送用データ": the fare data and broadcast data folders.
class FolderPage
{
public:
    explicit FolderPage(frmOption &window) : m_window(window) {}

    void build(QGroupBox *page);
    void bind(OptionBinding &binding);

    // "..." chooses a folder; the explorer button opens the folder typed in.
    void Command3_Click(int index);
    void Command10_Click(int index);

    std::array<QLineEdit *, 2> Text2{};
    std::array<QPushButton *, 2> Command3{};
    std::array<QPushButton *, 2> Command10{};

private:
    frmOption &m_window;
};

} // namespace settings
