#pragma once

#include "settings/IniRecords.h"
#include "settings/IniStatus.h"
#include "settings/OptionBinding.h"

#include <QDialog>

#include <array>
#include <memory>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace settings {

class ColorButton;
class DigitPage;
class FolderPage;
class Options;
class PanelHost;
class PanelPage;
class SoundPage;
class StopNamePage;
class TicketPage;

// The options window "オプション": six pages of controls over the options model. It is created
// once, stays hidden except while shown modal from the console, and lives until the program
// ends. Its controls show the model and write every change into it at once; "OK" pushes the
// display options into the panel. The pages hold the controls by their original names.
class frmOption : public QDialog
{
    Q_OBJECT

public:
    frmOption(Options &options, PanelHost &host, QWidget *parent = nullptr);
    ~frmOption() override;

    // Pushes the display options into the panel (SetProp over the model).
    void SetProp();

    // Loading the settings file: the model takes the records (see Options::SetOptionInfo), then
    // the preview digit takes the digit colours and the plug-in file goes to SetPlgin, where a
    // refused plug-in is passed over silently. Returns the first refused value.
    IniStatus SetOptionInfo(const IniRecords &records);

    Options &options() { return m_options; }
    PanelHost &host() { return m_host; }

    FolderPage &folderPage() { return *m_folderPage; }
    PanelPage &panelPage() { return *m_panelPage; }
    DigitPage &digitPage() { return *m_digitPage; }
    StopNamePage &stopNamePage() { return *m_stopNamePage; }
    SoundPage &soundPage() { return *m_soundPage; }
    TicketPage &ticketPage() { return *m_ticketPage; }

    // The colour picker for one of the colour buttons, with the options' custom colours; true
    // when a colour was chosen (the button then shows it).
    bool GetBtnColor(ColorButton *button);
    // The folder picker; the chosen folder or the empty text.
    QString GetPathString();
    // Tells the user, once per run, that a chosen path holds characters the settings file
    // cannot; its exact text is kept in the companion file.
    void noteChosenPath(const QString &path);

    // The page selectors and the pages they bring to the front.
    std::array<QRadioButton *, 6> Option1{};
    std::array<QGroupBox *, 6> Frame1{};
    QPushButton *Command4 = nullptr;

    // "OK": SetProp, then the window hides.
    void Command4_Click();

private:
    void createPageSelectors();
    QGroupBox *makePage(int index, const QString &caption);
    void createPages();
    void bindPages();
    void showPage(int index);

    Options &m_options;
    PanelHost &m_host;
    OptionBinding m_binding;
    std::unique_ptr<FolderPage> m_folderPage;
    std::unique_ptr<PanelPage> m_panelPage;
    std::unique_ptr<DigitPage> m_digitPage;
    std::unique_ptr<StopNamePage> m_stopNamePage;
    std::unique_ptr<SoundPage> m_soundPage;
    std::unique_ptr<TicketPage> m_ticketPage;
    bool m_toldAboutExactTexts = false;
};

} // namespace settings
