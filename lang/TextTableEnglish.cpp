#include "lang/TextTables.h"

// English interface texts. This table defines the row order; every other
// language carries the same ids in the same rows.
const ALang_Entry g_tableEnglish[kLangRowCount] =
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
    {1002, L"Cancel", 0, 0, 0, 0},
    {1016, L"Language", 0, 0, 0, 0},
    {3, L"How To Download", 0, 0, 0, 0},
    {1000, L"Next", 0, 0, 0, 0},
    {1001, L"Previous", 0, 0, 0, 0},
    {1017, L"Help", 0, 0, 0, 0},
    {4, L"Do you want to exit?", 0, 0, 0, 0},
    {5, L"Close Window", 0, 0, 0, 0},
    {1015, L"Browse...", 0, 0, 0, 0},
    {1031, L"Downloading VELTO PC Cleaner … Please wait!", 0, 0, 0, 0},
    {1038, L"Installing VELTO PC Cleaner … Please wait!", 0, 0, 0, 0},
    {27, L"Finish", 0, 0, 0, 0},
    {28, L"Skip", 0, 0, 0, 0},

    // Already installed page
    {1006, L"VELTO PC Cleaner is already installed on your computer.", 0, 0, 0, 0},
    {1007, L"Click “Next” to uninstall the previous version and install the newer version of VELTO PC Cleaner.", 0, 0, 0, 0},

    // Licence and destination page
    {1018, L"Space available:", 0, 0, 0, 0},
    {1020, L"Space Required:", 0, 0, 0, 0},
    {1037, L"Press Browse to change destination folder", 0, 0, 0, 0},
    {1036, L"Destination folder:", 0, 0, 0, 0},
    {1035, L"I accept this License Agreement", 0, 0, 0, 0},

    // Registration page
    {1242, L"Please enter your contact information below.", 0, 0, 0, 0},
    {1243, L" We value your privacy. Your personal information will be kept confidential and will not be shared with third parties.", 0, 0, 0, 0},
    {1244, L"To be the first to receive FREE updates and take advantage of the latest cleaning enhancements, please enter your contact information below.", 0, 0, 0, 0},
    {1041, L"Name", 0, 0, 0, 0},
    {1045, L"E-mail", 0, 0, 0, 0},
    {1245, L"In an effort to provide the best customer experience, the VELTO team releases regular software upgrades and updates.", 0, 0, 0, 0},

    // Unused items
    {6, L"", 0, 0, 0, 0},
    {7, L"", 0, 0, 0, 0},
    {8, L"", 0, 0, 0, 0},

    // Download page banners: heading, first text, second text
    {9, L"DOWNLOAD", 0, 0, 0, 0},
    {10, L"The download process is now in progress.", 0, 0, 0, 0},
    {11, L"Upon completion, VELTO PC Cleaner Download && Install Manager will invite you to\r\nproceed with installation.  After the installation process is complete,\r\nthe VELTO PC Cleaner application will open automatically.", 0, 0, 0, 0},
    {12, L"SCAN REGISTRY && HARD DRIVES", 0, 0, 0, 0},
    {13, L"", 0, 0, 0, 0},
    {14, L"By simply clicking “Scan Now”, VELTO PC Cleaner automatically scans your\r\nregistry and hard drives. Using a high performance detection algorithm,\r\nVELTO PC Cleaner detects invalid registry keys, temporary files,\r\nand unnecessary junk files that cause system instability.", 0, 0, 0, 0},
    {15, L"CLEAN REGISTRY && HARD DRIVES", 0, 0, 0, 0},
    {16, L"", 0, 0, 0, 0},
    {17, L"", 0, 0, 0, 0},

    // Spare banner, not shown by any page
    {18, L"MANAGE APPLICATIONS", 0, 0, 0, 0},
    {19, L"", 0, 0, 0, 0},
    {20, L"VELTO PC Cleaner allows you to uninstall applications fully without leaving\r\nbehind file fragments, incorrect file associations, or invalid registry keys.\r\n The “Manage Applications” tab also includes the functionality\r\nto safely remove Internet Explorer plugins with ease.", 0, 0, 0, 0},

    // Installation page banners: heading, first text, second text
    {21, L"RECOVERY CENTER", 0, 0, 0, 0},
    {22, L"", 0, 0, 0, 0},
    {23, L"VELTO PC Cleaner automatically creates a system restore point and a backup\r\nof your PC’s configuration. You can rest assured that if you make a mistake you\r\ncan always go back to your previous system configuration if needed.", 0, 0, 0, 0},
    {24, L"MANAGE APPLICATIONS", 0, 0, 0, 0},
    {25, L"", 0, 0, 0, 0},
    {26, L"VELTO PC Cleaner allows you to uninstall applications fully without leaving\r\nbehind file fragments, incorrect file associations, or invalid registry keys.\r\n The “Manage Applications” tab also includes the functionality\r\nto safely remove Internet Explorer plugins with ease.", 0, 0, 0, 0},
};

const ALang_Extra g_extraEnglish[1] = { {0, L""} };
