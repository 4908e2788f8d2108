#include "lang/TextTables.h"

// French interface texts. The banners follow the English ones.
const ALang_Entry g_tableFrench[kLangRowCount] =
{
    {0, L"", 0, 0, 0, 0},

    // Options page check boxes
    {1257, L"Ajouter un raccourci sur le bureau", 0, 0, 0, 0},
    {1258, L"Ajouter une icône dans la barre d'outils système", 0, 0, 0, 0},
    {1259, L"Ajouter les services de surveillance et de rappel", 0, 0, 0, 0},
    {1260, L"Vérifier automatiquement la disponibilité de mises à jour", 0, 0, 0, 0},

    // Disk space units
    {1, L"Mo", 0, 0, 0, 0},
    {2, L"Go", 0, 0, 0, 0},

    // Buttons, exit question and status labels
    {1008, L"Select Language", 0, 0, 0, 0},
    {1002, L"Annuler", 0, 0, 0, 0},
    {1016, L"Langue", 0, 0, 0, 0},
    {3, L"How To Download fr", 0, 0, 0, 0},
    {1000, L"Suivant", 0, 0, 0, 0},
    {1001, L"Précédent", 0, 0, 0, 0},
    {1017, L"Aide", 0, 0, 0, 0},
    {4, L"Voulez-vous quitter l'application?", 0, 0, 0, 0},
    {5, L"Fermer la fenêtre", 0, 0, 0, 0},
    {1015, L"Parcourir…", 0, 0, 0, 0},
    {1031, L"Téléchargement en cours… veuillez patienter !", 0, 0, 0, 0},
    {1038, L"Installation en cours… veuillez patienter !", 0, 0, 0, 0},
    {27, L"Terminer", 0, 0, 0, 0},
    {28, L"Ignorer", 0, 0, 0, 0},

    // Already installed page
    {1006, L"VELTO PC Cleaner est déjà installé sur votre ordinateur.", 0, 0, 0, 0},
    {1007, L"Cliquez sur « Suivant » pour désinstaller la version précédente et installer la nouvelle version de VELTO PC Cleaner.", 0, 0, 0, 0},

    // Licence and destination page
    {1018, L"Espace disponible:", 0, 0, 0, 0},
    {1020, L"Espace requis:", 0, 0, 0, 0},
    {1037, L"Cliquez sur Parcourir pour changer de dossier", 0, 0, 0, 0},
    {1036, L"Fichier de destination:", 0, 0, 0, 0},
    {1035, L"J’accepte le contrat de licence.", 0, 0, 0, 0},

    // Registration page
    {1242, L"Veuillez saisir vos coordonnées ci-dessous.", 0, 0, 0, 0},
    {1243, L" Nous respectons votre vie privée. Vos données personnelles restent confidentielles et ne seront jamais communiquées à des tiers.", 0, 0, 0, 0},
    {1244, L"Pour recevoir en avant-première les mises à jour GRATUITES et profiter des dernières améliorations du nettoyage, saisissez vos coordonnées ci-dessous.", 0, 0, 0, 0},
    {1041, L"Nom", 0, 0, 0, 0},
    {1045, L"Email", 0, 0, 0, 0},
    {1245, L"Afin de vous offrir la meilleure expérience possible, l’équipe VELTO publie régulièrement des mises à niveau et des mises à jour de ses logiciels.", 0, 0, 0, 0},

    // Unused items
    {6, L"", 0, 0, 0, 0},
    {7, L"", 0, 0, 0, 0},
    {8, L"", 0, 0, 0, 0},

    // Download page banners: heading, first text, second text
    {9, L"TÉLÉCHARGEMENT", 0, 0, 0, 0},
    {10, L"Le téléchargement est en cours.", 0, 0, 0, 0},
    {11, L"Une fois le téléchargement terminé, VELTO PC Cleaner Download && Install\r\nManager vous invitera à poursuivre l’installation. À la fin de l’installation,\r\nl’application VELTO PC Cleaner s’ouvrira automatiquement.", 0, 0, 0, 0},
    {12, L"ANALYSE LE REGISTRE ET LES DISQUES", 0, 0, 0, 0},
    {13, L"", 0, 0, 0, 0},
    {14, L"D’un simple clic sur « Analyser », VELTO PC Cleaner examine automatiquement\r\nvotre registre et vos disques durs. Grâce à un algorithme de détection\r\nperformant, il repère les clés de registre non valides, les fichiers temporaires\r\net les fichiers inutiles qui nuisent à la stabilité du système.", 0, 0, 0, 0},
    {15, L"NETTOIE LE REGISTRE ET LES DISQUES", 0, 0, 0, 0},
    {16, L"", 0, 0, 0, 0},
    {17, L"VELTO PC Cleaner supprime en toute sécurité les clés de registre non valides,\r\nles fichiers temporaires et les fichiers inutiles trouvés lors de l’analyse.\r\nVous récupérez de l’espace disque et votre système gagne en stabilité.", 0, 0, 0, 0},

    // Spare banner, not shown by any page
    {18, L"GÈRE LES APPLICATIONS", 0, 0, 0, 0},
    {19, L"", 0, 0, 0, 0},
    {20, L"VELTO PC Cleaner désinstalle complètement vos applications sans laisser\r\nde fragments de fichiers, d’associations de fichiers incorrectes ni de clés\r\nde registre non valides. L’onglet « Gestion des applications » permet aussi\r\nde supprimer facilement et sans risque les plugins d’Internet Explorer.", 0, 0, 0, 0},

    // Installation page banners: heading, first text, second text
    {21, L"CENTRE DE RESTAURATION", 0, 0, 0, 0},
    {22, L"", 0, 0, 0, 0},
    {23, L"VELTO PC Cleaner crée automatiquement un point de restauration système et une\r\nsauvegarde de la configuration de votre PC. En cas d’erreur, vous pouvez\r\ntoujours revenir à la configuration précédente de votre système.", 0, 0, 0, 0},
    {24, L"GÈRE LES APPLICATIONS", 0, 0, 0, 0},
    {25, L"", 0, 0, 0, 0},
    {26, L"VELTO PC Cleaner désinstalle complètement vos applications sans laisser\r\nde fragments de fichiers, d’associations de fichiers incorrectes ni de clés\r\nde registre non valides. L’onglet « Gestion des applications » permet aussi\r\nde supprimer facilement et sans risque les plugins d’Internet Explorer.", 0, 0, 0, 0},
};

const ALang_Extra g_extraFrench[1] = { {0, L""} };
