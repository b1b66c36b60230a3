#pragma once
// Qt's own Danish texts for what Qt draws itself: the standard buttons
// ("&Ja", "&Nej", "Annuller"), the file and folder dialogs, the context
// menus of edit fields. The programs' own texts are Danish already.
//
//   QApplication app(argc, argv);
//   installDanishTranslations(app);

class QCoreApplication;

namespace vorkel {

// Loads Qt's Danish translations (Debian's qt6-translations-l10n) into
// `app`. False when they are not installed: Qt's texts then stay English.
bool installDanishTranslations(QCoreApplication& app);

}  // namespace vorkel
