#pragma once

namespace app {

class Forms;

// The settings file beside the program: written when the console is closed, read as the last
// step of start-up.
namespace SettingsFile {

void SaveIniInfo(Forms &forms);
void LoadIniInfo(Forms &forms);

} // namespace SettingsFile
} // namespace app
