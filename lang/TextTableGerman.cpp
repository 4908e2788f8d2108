#include "lang/TextTables.h"

// German interface texts. The option labels stay English; the banners are a
// numbered walk through download, installation and first scan, and on the
// installation page backup and cleaning.
const ALang_Entry g_tableGerman[kLangRowCount] =
{
    {0, L"", 0, 0, 0, 0},

    // Options page check boxes
    {1257, L"Add Desktop Shortcut", 0, 0, 0, 0},
    {1258, L"Add System Tray Icon", 0, 0, 0, 0},
    {1259, L"Add Monitoring and reminder services", 0, 0, 0, 0},
    {1260, L"Check for updates automatically", 0, 0, 0, 0},

    // Disk space units
    {1, L"MB", 0, 0, 0, 0},
    {2, L"GB", 0, 0, 0, 0},

    // Buttons, exit question and status labels
    {1008, L"Select Language", 0, 0, 0, 0},
    {1002, L"Abbrechen", 0, 0, 0, 0},
    {1016, L"Sprache", 0, 0, 0, 0},
    {3, L"How To Download de", 0, 0, 0, 0},
    {1000, L"Weiter", 0, 0, 0, 0},
    {1001, L"Zurück", 0, 0, 0, 0},
    {1017, L"Hilfe", 0, 0, 0, 0},
    {4, L"Möchten Sie die Anwendung beenden?", 0, 0, 0, 0},
    {5, L"Fenster schließen", 0, 0, 0, 0},
    {1015, L"Suchen", 0, 0, 0, 0},
    {1031, L"Downloadvorgang VELTO PC Cleaner … Bitte warten!", 0, 0, 0, 0},
    {1038, L"Installationsvorgang VELTO PC Cleaner … Bitte warten!", 0, 0, 0, 0},
    {27, L"Beenden", 0, 0, 0, 0},
    {28, L"Auslassen", 0, 0, 0, 0},

    // Already installed page
    {1006, L"VELTO PC Cleaner ist schon installiert.", 0, 0, 0, 0},
    {1007, L"Klicken Sie auf „Weiter“, um die vorherige Version zu deinstallieren und die neue Version von VELTO PC Cleaner zu installieren.", 0, 0, 0, 0},

    // Licence and destination page
    {1018, L"Verfügbarer Platz:", 0, 0, 0, 0},
    {1020, L"Benötigter Platz:", 0, 0, 0, 0},
    {1037, L"Mit „Suchen“ wählen Sie ein anderes Verzeichnis", 0, 0, 0, 0},
    {1036, L"Verzeichnis:", 0, 0, 0, 0},
    {1035, L"Ich akzeptiere den Lizenzvertrag", 0, 0, 0, 0},

    // Registration page
    {1242, L"Bitte geben Sie unten Ihre Kontaktdaten ein.", 0, 0, 0, 0},
    {1243, L" Ihre Privatsphäre ist uns wichtig. Ihre persönlichen Daten werden vertraulich behandelt und nicht an Dritte weitergegeben.", 0, 0, 0, 0},
    {1244, L"Tragen Sie unten Ihre Kontaktdaten ein, um als Erster KOSTENLOSE Updates und die neuesten Verbesserungen der Reinigungsfunktionen zu erhalten.", 0, 0, 0, 0},
    {1041, L"Name", 0, 0, 0, 0},
    {1045, L"Email", 0, 0, 0, 0},
    {1245, L"Damit Sie stets bestens betreut sind, veröffentlicht das VELTO-Team regelmäßig Upgrades und Updates seiner Software.", 0, 0, 0, 0},

    // Unused items
    {6, L"", 0, 0, 0, 0},
    {7, L"", 0, 0, 0, 0},
    {8, L"", 0, 0, 0, 0},

    // Download page banners: heading, first text, second text
    {9, L"1.DOWNLOAD", 0, 0, 0, 0},
    {10, L"VELTO PC Cleaner wird jetzt heruntergeladen.", 0, 0, 0, 0},
    {11, L"Sobald der Download abgeschlossen ist, führt Sie der VELTO PC Cleaner\r\nDownload && Install Manager durch die Installation. Bitte schließen Sie\r\ndieses Fenster nicht, solange der Vorgang läuft.", 0, 0, 0, 0},
    {12, L"2.INSTALLATION", 0, 0, 0, 0},
    {13, L"Die Installation beginnt automatisch.", 0, 0, 0, 0},
    {14, L"Nach dem Download installiert sich VELTO PC Cleaner in das Verzeichnis\r\nIhrer Wahl. Ältere Versionen werden dabei automatisch entfernt, und Sie\r\nentscheiden selbst über Desktopverknüpfung und automatische Updates.", 0, 0, 0, 0},
    {15, L"3.ANALYSE STARTEN", 0, 0, 0, 0},
    {16, L"Ein Klick genügt.", 0, 0, 0, 0},
    {17, L"Nach der Installation öffnet sich VELTO PC Cleaner von selbst. Klicken Sie\r\nauf „Jetzt analysieren“, und das Programm durchsucht Registrierung und\r\nFestplatten nach ungültigen Einträgen, temporären Dateien und Datenmüll.", 0, 0, 0, 0},

    // Spare banner, not shown by any page
    {18, L"1.ANALYSE", 0, 0, 0, 0},
    {19, L"Gründliche Prüfung Ihres Systems.", 0, 0, 0, 0},
    {20, L"VELTO PC Cleaner prüft Registrierung und Festplatten mit einem schnellen\r\nErkennungsverfahren und findet ungültige Registrierungsschlüssel, temporäre\r\nDateien und überflüssigen Datenmüll, der Ihr System instabil machen kann.", 0, 0, 0, 0},

    // Installation page banners: heading, first text, second text
    {21, L"DATENSICHERUNG", 0, 0, 0, 0},
    {22, L"Jede Änderung lässt sich rückgängig machen.", 0, 0, 0, 0},
    {23, L"Vor jeder Bereinigung legt VELTO PC Cleaner automatisch einen\r\nWiederherstellungspunkt und eine Sicherung Ihrer Systemkonfiguration an.\r\nSo können Sie jederzeit zum vorherigen Zustand Ihres PCs zurückkehren.", 0, 0, 0, 0},
    {24, L"SÄUBERN", 0, 0, 0, 0},
    {25, L"Mehr Platz, mehr Stabilität.", 0, 0, 0, 0},
    {26, L"Mit einem Klick entfernt VELTO PC Cleaner ungültige Registrierungseinträge,\r\ntemporäre Dateien und überflüssigen Datenmüll. Das schafft Platz auf der\r\nFestplatte und sorgt für ein stabileres und schnelleres System.", 0, 0, 0, 0},
};

const ALang_Extra g_extraGerman[1] = { {0, L""} };
