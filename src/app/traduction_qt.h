#pragma once
// Qt's own texts (standard dialogs, context menus of edit fields) in French.

class QCoreApplication;

// Installs Qt's French translation when it is installed on the system;
// returns false when none was found (the program's own dialogs set their
// French button texts themselves).
bool InstallerTraductionQt(QCoreApplication &application);
