#include "lang/TextTables.h"

// Italian interface texts. The banners follow the English ones.
const ALang_Entry g_tableItalian[kLangRowCount] =
{
    {0, L"", 0, 0, 0, 0},

    // Options page check boxes
    {1257, L"Crea Icona sul Desktop", 0, 0, 0, 0},
    {1258, L"Crea Icona sulla Barra Applicazioni", 0, 0, 0, 0},
    {1259, L"Aggiungi servizi di monitoraggio e promemoria", 0, 0, 0, 0},
    {1260, L"Verifica automatica degli aggionarmenti", 0, 0, 0, 0},

    // Disk space units
    {1, L"MB", 0, 0, 0, 0},
    {2, L"GB", 0, 0, 0, 0},

    // Buttons, exit question and status labels
    {1008, L"Select Language", 0, 0, 0, 0},
    {1002, L"Annulla", 0, 0, 0, 0},
    {1016, L"Lingua", 0, 0, 0, 0},
    {3, L"How To Download it", 0, 0, 0, 0},
    {1000, L"Avanti", 0, 0, 0, 0},
    {1001, L"Precedente", 0, 0, 0, 0},
    {1017, L"Aiuto", 0, 0, 0, 0},
    {4, L"Vuoi terminare il programma?", 0, 0, 0, 0},
    {5, L"Chiudi la finestra", 0, 0, 0, 0},
    {1015, L"Sfoglia", 0, 0, 0, 0},
    {1031, L"Download in corso…..Attendere prego!", 0, 0, 0, 0},
    {1038, L"Installazione in corso…..Attendere prego!", 0, 0, 0, 0},
    {27, L"Termina", 0, 0, 0, 0},
    {28, L"Evita", 0, 0, 0, 0},

    // Already installed page
    {1006, L"VELTO PC Cleaner è già installato.", 0, 0, 0, 0},
    {1007, L"Fai clic su “Avanti” per disinstallare la versione precedente e installare la nuova versione di VELTO PC Cleaner.", 0, 0, 0, 0},

    // Licence and destination page
    {1018, L"Spazio disponibile:", 0, 0, 0, 0},
    {1020, L"Spazio necessario:", 0, 0, 0, 0},
    {1037, L"Fai clic su Sfoglia per cambiare cartella", 0, 0, 0, 0},
    {1036, L"Cartella di destinazione::", 0, 0, 0, 0},
    {1035, L"Accetto l'accordo di licenza", 0, 0, 0, 0},

    // Registration page
    {1242, L"Inserisci qui sotto i tuoi dati di contatto.", 0, 0, 0, 0},
    {1243, L" Rispettiamo la tua privacy. I tuoi dati personali saranno trattati in modo riservato e non verranno mai ceduti a terzi.", 0, 0, 0, 0},
    {1244, L"Per ricevere per primo gli aggiornamenti GRATUITI e approfittare dei più recenti miglioramenti della pulizia, inserisci qui sotto i tuoi dati di contatto.", 0, 0, 0, 0},
    {1041, L"Nome", 0, 0, 0, 0},
    {1045, L"Email", 0, 0, 0, 0},
    {1245, L"Per offrirti la migliore esperienza possibile, il team di VELTO rilascia regolarmente nuove versioni e aggiornamenti del software.", 0, 0, 0, 0},

    // Unused items
    {6, L"", 0, 0, 0, 0},
    {7, L"", 0, 0, 0, 0},
    {8, L"", 0, 0, 0, 0},

    // Download page banners: heading, first text, second text
    {9, L"DOWNLOAD", 0, 0, 0, 0},
    {10, L"Il download è in corso.", 0, 0, 0, 0},
    {11, L"Al termine, VELTO PC Cleaner Download && Install Manager ti inviterà a\r\nproseguire con l’installazione. Una volta completata l’installazione,\r\nl’applicazione VELTO PC Cleaner si aprirà automaticamente.", 0, 0, 0, 0},
    {12, L"SCANSIONE DEL REGISTRO E DISCHI RIGIDI", 0, 0, 0, 0},
    {13, L"", 0, 0, 0, 0},
    {14, L"Con un semplice clic su “Scansiona ora”, VELTO PC Cleaner analizza\r\nautomaticamente il registro e i dischi rigidi. Grazie a un algoritmo di\r\nrilevamento ad alte prestazioni, individua chiavi di registro non valide,\r\nfile temporanei e file inutili che rendono instabile il sistema.", 0, 0, 0, 0},
    {15, L"PULIZIA REGISTRO E DISCHI RIGIDI", 0, 0, 0, 0},
    {16, L"", 0, 0, 0, 0},
    {17, L"VELTO PC Cleaner rimuove in tutta sicurezza le chiavi di registro non valide,\r\ni file temporanei e i file inutili trovati durante la scansione. Il disco\r\nrigido recupera spazio e il sistema diventa più stabile.", 0, 0, 0, 0},

    // Spare banner, not shown by any page
    {18, L"GESTIONE APPLICAZIONI", 0, 0, 0, 0},
    {19, L"", 0, 0, 0, 0},
    {20, L"VELTO PC Cleaner ti permette di disinstallare completamente le applicazioni\r\nsenza lasciare frammenti di file, associazioni errate o chiavi di registro\r\nnon valide. La scheda “Gestione applicazioni” consente inoltre di rimuovere\r\nin modo semplice e sicuro i plugin di Internet Explorer.", 0, 0, 0, 0},

    // Installation page banners: heading, first text, second text
    {21, L"CENTRO DI RIPRISTINO", 0, 0, 0, 0},
    {22, L"", 0, 0, 0, 0},
    {23, L"VELTO PC Cleaner crea automaticamente un punto di ripristino del sistema e\r\nun backup della configurazione del PC. Se commetti un errore, puoi sempre\r\ntornare alla configurazione precedente del sistema.", 0, 0, 0, 0},
    {24, L"GESTIONE APPLICAZIONI", 0, 0, 0, 0},
    {25, L"", 0, 0, 0, 0},
    {26, L"VELTO PC Cleaner ti permette di disinstallare completamente le applicazioni\r\nsenza lasciare frammenti di file, associazioni errate o chiavi di registro\r\nnon valide. La scheda “Gestione applicazioni” consente inoltre di rimuovere\r\nin modo semplice e sicuro i plugin di Internet Explorer.", 0, 0, 0, 0},
};

const ALang_Extra g_extraItalian[1] = { {0, L""} };
