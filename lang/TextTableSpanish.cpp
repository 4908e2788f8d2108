#include "lang/TextTables.h"

// Spanish interface texts. The option labels and the exit caption stay
// English; the banners are a numbered walk through download, installation
// and first scan, and on the installation page backup and cleaning.
const ALang_Entry g_tableSpanish[kLangRowCount] =
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
    {1002, L"Cancelar", 0, 0, 0, 0},
    {1016, L"Idioma", 0, 0, 0, 0},
    {3, L"How To Download es", 0, 0, 0, 0},
    {1000, L"Siguiente", 0, 0, 0, 0},
    {1001, L"Atrás", 0, 0, 0, 0},
    {1017, L"Ayuda", 0, 0, 0, 0},
    {4, L"¿Quiere salir del programa?", 0, 0, 0, 0},
    {5, L"Close Window", 0, 0, 0, 0},
    {1015, L"Examinar...", 0, 0, 0, 0},
    {1031, L"Descargando VELTO PC Cleaner … por favor espere", 0, 0, 0, 0},
    {1038, L"Instalando VELTO PC Cleaner … por favor espere", 0, 0, 0, 0},
    {27, L"Finalizar", 0, 0, 0, 0},
    {28, L"Saltar", 0, 0, 0, 0},

    // Already installed page
    {1006, L"VELTO PC Cleaner está instalado.", 0, 0, 0, 0},
    {1007, L"Haga clic en «Siguiente» para desinstalar la versión anterior e instalar la nueva versión de VELTO PC Cleaner.", 0, 0, 0, 0},

    // Licence and destination page
    {1018, L"Espacio disponible:", 0, 0, 0, 0},
    {1020, L"Espacio requerido:", 0, 0, 0, 0},
    {1037, L"Pulse Examinar para cambiar la carpeta de destino", 0, 0, 0, 0},
    {1036, L"Carpeta de instalación:", 0, 0, 0, 0},
    {1035, L"Acepto esta licencia de uso", 0, 0, 0, 0},

    // Registration page
    {1242, L"Introduzca sus datos de contacto a continuación.", 0, 0, 0, 0},
    {1243, L" Respetamos su privacidad. Sus datos personales se tratarán de forma confidencial y no se cederán a terceros.", 0, 0, 0, 0},
    {1244, L"Para ser el primero en recibir actualizaciones GRATUITAS y disfrutar de las últimas mejoras de limpieza, introduzca sus datos de contacto a continuación.", 0, 0, 0, 0},
    {1041, L"Nombre", 0, 0, 0, 0},
    {1045, L"E-mail", 0, 0, 0, 0},
    {1245, L"Para ofrecerle la mejor experiencia posible, el equipo de VELTO publica con regularidad nuevas versiones y actualizaciones de su software.", 0, 0, 0, 0},

    // Unused items
    {6, L"", 0, 0, 0, 0},
    {7, L"", 0, 0, 0, 0},
    {8, L"", 0, 0, 0, 0},

    // Download page banners: heading, first text, second text
    {9, L"1.DESCARGAR", 0, 0, 0, 0},
    {10, L"La descarga de VELTO PC Cleaner está en curso.", 0, 0, 0, 0},
    {11, L"Cuando termine la descarga, VELTO PC Cleaner Download && Install Manager\r\nle guiará paso a paso por la instalación. No cierre esta ventana hasta\r\nque el proceso haya finalizado.", 0, 0, 0, 0},
    {12, L"2.INSTALAR", 0, 0, 0, 0},
    {13, L"La instalación se inicia automáticamente.", 0, 0, 0, 0},
    {14, L"Una vez descargado, VELTO PC Cleaner se instala en la carpeta que usted\r\nelija. Las versiones anteriores se eliminan automáticamente y usted decide\r\nsi desea un acceso directo en el escritorio y actualizaciones automáticas.", 0, 0, 0, 0},
    {15, L"3.INICIAR ANÁLISIS", 0, 0, 0, 0},
    {16, L"Basta con un clic.", 0, 0, 0, 0},
    {17, L"Al terminar la instalación, VELTO PC Cleaner se abre automáticamente.\r\nHaga clic en «Analizar ahora» y el programa revisará el registro y los\r\ndiscos duros en busca de entradas no válidas, archivos temporales y basura.", 0, 0, 0, 0},

    // Spare banner, not shown by any page
    {18, L"1.ANÁLISIS", 0, 0, 0, 0},
    {19, L"Un examen a fondo de su sistema.", 0, 0, 0, 0},
    {20, L"VELTO PC Cleaner analiza el registro y los discos duros con un algoritmo\r\nde detección de alto rendimiento y localiza claves de registro no válidas,\r\narchivos temporales y archivos basura que restan estabilidad al sistema.", 0, 0, 0, 0},

    // Installation page banners: heading, first text, second text
    {21, L"RESPALDO", 0, 0, 0, 0},
    {22, L"Cada cambio se puede deshacer.", 0, 0, 0, 0},
    {23, L"Antes de cada limpieza, VELTO PC Cleaner crea automáticamente un punto\r\nde restauración y una copia de seguridad de la configuración de su PC.\r\nSi algo no sale como esperaba, siempre podrá volver al estado anterior.", 0, 0, 0, 0},
    {24, L"LIMPIAR", 0, 0, 0, 0},
    {25, L"Más espacio y más estabilidad.", 0, 0, 0, 0},
    {26, L"Con un solo clic, VELTO PC Cleaner elimina las entradas de registro no\r\nválidas, los archivos temporales y la basura acumulada. Así recupera\r\nespacio en disco y su equipo funciona de forma más estable y rápida.", 0, 0, 0, 0},
};

const ALang_Extra g_extraSpanish[1] = { {0, L""} };
