#pragma once
// Qt's own texts (standard dialogs, context menus of edit fields) in French.

class QCoreApplication;

// Installs Qt's French translation when it is installed on the system
// (package qt6-translations-l10n), the few texts it lacks, and the French
// file list of every file dialog (app/modele_fichiers_francais.h). Call it
// before the first widget is built; calling it again does nothing. Returns
// false when Qt's translation was not found (the program's own dialogs set
// their French button texts themselves).
bool InstallerTraductionQt(QCoreApplication &application);
