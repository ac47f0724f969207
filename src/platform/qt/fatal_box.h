#pragma once

// Shows fatal texts in an error box owned by the application window, captioned with the executable
// file name. Call once a QApplication exists.
void InstallFatalBox();
