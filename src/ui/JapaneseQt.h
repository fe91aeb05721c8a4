#pragma once

class QCoreApplication;

namespace ui {

// Qt's own dialogs (file and folder pickers, the colour picker, the calendar, standard buttons)
// speak Japanese like the rest of the program, whatever the user's locale.
class JapaneseQt
{
public:
    // Makes Japanese the default locale and installs Qt's Japanese translations into the
    // application; false when the translations are not installed on this machine, in which
    // case Qt's dialogs keep their English texts but dates and names are still Japanese.
    static bool install(QCoreApplication &application);
};

} // namespace ui
