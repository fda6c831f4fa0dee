#pragma once

class AdminSession;

// The main window's buttons for PELIN's base data and the time files, with
// their checks: "PELIN-Basisdaten erstellen", "PELIN-Basisdaten
// bereitstellen", "Arbeitszeit-Dateien aktualisieren". Each returns an exit
// code.
int RunBuildCommand(const AdminSession& session);
int RunProvideCommand(const AdminSession& session);
int RunCollectCommand(const AdminSession& session);
