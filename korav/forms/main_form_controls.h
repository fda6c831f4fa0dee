#pragma once

#include <array>
#include <cstddef>

class TMainForm;

// Where a control of the main window stands; its menu follows from it.
enum class MainPlace { LoginPanel, SetUp, Administer, Check, Report, Overview, Bottom };

// Who may use a control.
enum class MainRole {
    Anyone, // also while nobody is logged in
    Admin, // system and data administrator
    SystemAdmin, // the system administrator only
};

// Every button of the main window that has a menu item with the same action.
enum class MainCommand {
    Anmelden,
    ChgMListe,
    ChgMaStamm,
    ChgMonSollZ,
    ChgProjektListe,
    ChgSonstige,
    ChgFeiertage,
    StdSatz,
    Konto,
    PelinErstellen,
    ChgOrdner,
    ChgAPassw,
    Backup,
    Verbind,
    Update,
    StartPelin,
    PelinExeUpload,
    KoravUpload,
    KoravDownload,
    PruefJahr,
    MonatKomplett,
    MonatAbschluss,
    PelinMonUe,
    MaKonto,
    ArbZG,
    Stundenzettel,
    MaMonat,
    MaQuarta,
    MaJahr,
    ProjMonat,
    ProjQuarta,
    ProjJahr,
    Close,
};
inline constexpr std::size_t kMainCommandCount = std::size_t(MainCommand::Close) + 1;

// One button of the main window with its menu item, its handler and who
// may use it: the one place where such a control is declared.
struct MainControl {
    MainCommand command;
    const char16_t* button;
    const char16_t* caption;
    const char16_t* menuItem;
    const char16_t* menuCaption; // null when the menu item shows the button's caption
    MainPlace place;
    MainRole role;
    void (TMainForm::*handler)();
};

// In the order of the buttons and menu items; indexed by MainCommand.
const std::array<MainControl, kMainCommandCount>& MainControls();
const MainControl& MainControlOf(MainCommand command);
