#pragma once

struct CommandOptions;
class AdminSession;
class Messenger;

// Refuses, with its message, an output format the report's form does not
// offer.
bool CheckReportFormat(const CommandOptions& options, Messenger& messenger);

// "korav report employee|project|check|viewer": runs the report form's
// "Anzeigen" for the chosen selection and writes what its "in Textdatei
// speichern", "Drucken" (as PDF) or "in Exceldatei speichern" writes. Each
// report offers the outputs its form offers; the format has passed
// `CheckReportFormat` before the log-in. Returns an exit code.
int RunReportCommand(const AdminSession& session, const CommandOptions& options);
