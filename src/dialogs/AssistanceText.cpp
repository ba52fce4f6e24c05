#include "dialogs/AssistanceText.h"

QString assistanceTitle()
{
    return QStringLiteral(
        "AIDE DU PROGRAMME D'EDITION DE CARTES DE VISITE ET DE MINI-CV : VOKIRA 2.0");
}

QStringList minimalConfiguration()
{
    return {
        QString(),
        QString(),
        QStringLiteral("CONFIGURATION MINIMALE :"),
        QStringLiteral("Système d'exploitation : Windows 2000"),
        QStringLiteral("Processeur : Pentium "),
        QStringLiteral("Mémoire : 64 Mo"),
        QStringLiteral("Ecran et carte graphique supportant résolution minimale de 800x600"),
        QStringLiteral("Imprimante : noir et blanc ou couleur"),
    };
}

QStringList assistanceSections()
{
    return {
        QString(),
        QStringLiteral("UTILISATION :"),
        QStringLiteral(
            "Vokira compose une carte de visite et l'imprime en plusieurs exemplaires sur une "
            "feuille ; il sert aussi à rédiger et imprimer un mini-CV d'une page."),
        QStringLiteral(
            "La fenêtre principale regroupe les réglages de la carte (CARTE), des deux cadres de "
            "texte (CADRE 1 et CADRE 2) et de l'icône (ICONE). Les commandes s'ouvrent d'un clic "
            "sur les panneaux « fichier », « éléments », « contrôle », « Mini-CV » et « aide »."),
        QStringLiteral(
            "1 : Préparez le texte de chaque cadre avec un traitement de texte ou un éditeur de "
            "texte, et enregistrez-le au format RTF (texte mis en forme) ou en texte brut (.txt)."),
        QStringLiteral(
            "   Chaque paragraphe occupe une ligne du cadre : les lignes ne sont pas coupées "
            "automatiquement, allez vous-même à la ligne."),
        QStringLiteral(
            "   La première ligne d'un cadre est son en-tête : elle prend la police du bouton "
            "« fonte en-tête », les autres lignes celle du bouton « fonte »."),
        QStringLiteral(
            "2 : Chargez chaque texte par « éléments », « Texte_1 » ou « Texte_2 », « charger ». "
            "Pour un texte brut, choisissez d'abord son codage dans « type de fichier » (ansi, "
            "utf8 ou unicode)."),
        QStringLiteral(
            "3 : Ajoutez si vous le souhaitez une icône (« éléments », « Icone » : fichier .ico "
            "ou .bmp) et un motif de fond (« éléments », « Motif » : image .bmp)."),
        QStringLiteral(
            "   La case « MOTIF » règle l'affichage du motif : dim (en mosaïque s'il est petit, "
            "étiré sinon), brush (en mosaïque), stretch (étiré sur toute la carte)."),
        QStringLiteral(
            "   La case « STYLE » choisit entre fill (le motif couvre toute la carte) et flood "
            "(le motif remplit la zone de la couleur de la carte)."),
        QStringLiteral(
            "4 : Le bouton « voir carte » affiche la carte à sa taille réelle à l'écran ; il "
            "devient « masquer » pour la cacher. Le curseur vertical la déplace sur l'écran."),
        QStringLiteral(
            "   Pour changer une dimension ou une position, tapez un nombre positif ou négatif "
            "dans la zone « largeur », « longueur », « bord gauche », « hauteur » ou « marge », "
            "puis appuyez sur Entrée."),
        QStringLiteral(
            "   Le nombre s'ajoute à la valeur actuelle : « largeur+12 » élargit de 12 pixels, "
            "« largeur -5 » rétrécit de 5 pixels."),
        QStringLiteral(
            "   Les formats standards et la zone « orientation » (vertical ou horizontal, validée "
            "par Entrée) changent la taille de la carte et replacent les cadres et l'icône ; "
            "« ajustement A4 » donne à la carte un format adapté à la feuille A4."),
        QStringLiteral(
            "   Les boutons « couleur de fond » colorent la carte ou un cadre ; « alignement » et "
            "« texte » alignent le texte d'un cadre, « cadre » place le cadre 2 à gauche, au "
            "centre ou à droite."),
        QStringLiteral(
            "   Les cases T1 et T2, disponibles une fois un motif chargé, rendent le cadre 1 ou "
            "le cadre 2 transparent : son texte s'affiche alors sur le motif."),
        QStringLiteral(
            "   « éléments », « accès carte » permet de modifier les textes directement dans la "
            "carte affichée ; un clic droit sur la carte puis « ok » termine la modification."),
        QStringLiteral(
            "5 : Le bouton « appliquer » redessine la carte avec les paramètres en cours (fond, "
            "motif et icône) : utilisez-le après avoir modifié les textes dans la carte, ou "
            "quand l'affichage n'est pas à jour."),
        QStringLiteral(
            "6 : Imprimez par « fichier », « Impression couleurs » ou « Impression noir et "
            "blanc » : la feuille reçoit autant de cartes qu'elle peut en contenir, au plus 3 "
            "rangées de 4 en vertical et 4 rangées de 3 en horizontal."),
        QStringLiteral(
            "   Le nombre de copies demandé donne le nombre de feuilles ; « écart » règle "
            "l'espace entre les cartes, et une petite marque du programme est imprimée dans le "
            "coin de chaque feuille."),
        QStringLiteral(
            "   Si plusieurs imprimantes sont installées, choisissez d'abord la vôtre par "
            "« fichier », « Imprimante » : ses caractéristiques s'affichent et les commandes "
            "d'impression deviennent disponibles."),
        QStringLiteral(
            "7 : Sauvegardez la carte par « fichier », « Sauvegarder » : ses paramètres vont dans "
            "un fichier .vk1 et les textes des deux cadres dans des fichiers RTF du dossier "
            "« element » placé à côté de lui."),
        QStringLiteral(
            "   « fichier », « Charger » relit une carte sauvegardée, et « répertoire de "
            "travail » fixe les dossiers proposés à l'ouverture et à l'enregistrement des "
            "fichiers."),
        QStringLiteral(
            "8 : Le panneau « Mini-CV » ouvre l'éditeur de mini-CV (« Editer »), charge un "
            "mini-CV (« Charger ») et l'imprime (« Imprimer »)."),
        QStringLiteral(
            "   Remplissez les champs ; les cases « Eléments optionnels » affichent ou masquent "
            "la photo, l'âge, les téléphones, le véhicule, le permis, les zones de texte..., et "
            "la fiche se réorganise d'elle-même."),
        QStringLiteral(
            "   Un clic sur le fond de l'éditeur ouvre son menu : photo, polices, couleur de "
            "fond, titres des cadres, sauvegarde (fichier .vk4 et textes RTF dans le dossier "
            "« element »), chargement, impression et langue."),
        QStringLiteral(
            "   En bas à droite se règlent l'orientation, le nombre d'exemplaires par page, la "
            "largeur et la hauteur ; « HTML » affiche ou exporte le mini-CV en page HTML, "
            "« fin » revient à la fenêtre des cartes."),
        QStringLiteral(
            "9 : Le panneau « aide » ouvre cette aide (touche F1), la fenêtre « A propos » et "
            "l'association des fichiers .vk1 : un double clic sur un fichier .vk1 ouvre alors "
            "la carte dans Vokira."),
        QStringLiteral("   La langue des fenêtres (français, anglais ou allemand) se choisit par "
                       "« contrôle », « language » ; cette aide reste en français."),
        QString(),
        QStringLiteral("POSITION DES ELEMENTS :"),
        QStringLiteral(
            "Le cadre 1 occupe le haut de la carte : il reçoit le nom et la fonction, en texte "
            "centré, et sa première ligne sert d'en-tête."),
        QStringLiteral("Le cadre 2 occupe le bas de la carte : il reçoit les coordonnées (adresse, "
                       "téléphone, e-mail), alignées à gauche par défaut."),
        QStringLiteral(
            "L'icône, un logo par exemple, se place à gauche du cadre 1 sans le chevaucher "
            "(voir le message 310)."),
        QStringLiteral(
            "Le motif est l'image de fond de la carte ; sans motif, la carte prend sa couleur "
            "de fond."),
        QStringLiteral(
            "Les positions se comptent en pixels d'écran depuis le coin haut gauche de la "
            "carte : « bord gauche » et « marge » donnent la distance au bord gauche, "
            "« hauteur » la distance au bord haut."),
        QStringLiteral(
            "Au départ, la carte mesure 190 x 300 pixels. Sa taille sur le papier dépend de la "
            "résolution de l'écran : à 96 points par pouce, le format « normal » mesure environ "
            "55 x 85 mm."),
        QString(),
        QStringLiteral("NOUVEAUTES DE LA VERSION 2.0 :"),
        QStringLiteral(
            "1 : Le mini-CV : une fiche d'une page avec photo, état civil, coordonnées, "
            "mobilité et quatre zones de texte, dont seize éléments s'affichent ou se masquent "
            "à volonté."),
        QStringLiteral(
            "2 : L'impression d'un à trois mini-CV par page, identiques ou différents "
            "(chargement « bi-version » ou « tri-version »), avec réglage de la largeur et de la "
            "hauteur."),
        QStringLiteral("3 : L'export du mini-CV en page HTML et son affichage dans le navigateur."),
        QStringLiteral("4 : Les fenêtres en français, en anglais ou en allemand."),
        QStringLiteral("5 : La lecture des textes bruts codés en ANSI, en UTF-8 ou en Unicode."),
        QStringLiteral(
            "6 : L'association des fichiers .vk1 et .vk4 au programme, qui les ouvre d'un double "
            "clic."),
        QString(),
        QStringLiteral("NOUVEAUTES DES VERSIONS PRECEDENTES :"),
        QStringLiteral(
            "7 : Les cadres transparents, qui laissent voir le motif de la carte (cases T1 et "
            "T2)."),
        QStringLiteral(
            "8 : La modification des textes directement dans la carte (« accès carte »)."),
        QStringLiteral(
            "9 : L'audit de la carte avant impression et le test d'impression d'une seule "
            "carte."),
        QStringLiteral(
            "10 : La copie de la carte dans le presse-papier, et le collage d'une image du "
            "presse-papier comme fond de la carte."),
        QString(),
        QStringLiteral("PROBLEMES COURANTS :"),
        QStringLiteral("CARTE : "),
        QStringLiteral(
            "1 : Les commandes d'impression sont grisées : aucune imprimante n'est installée "
            "(message 10), ou il y en a plusieurs et il faut d'abord en choisir une par "
            "« fichier », « Imprimante »."),
        QStringLiteral(
            "2 : Les accents d'un texte brut s'affichent mal : choisissez un autre codage dans "
            "« éléments », « type de fichier », puis chargez le texte de nouveau."),
        QStringLiteral(
            "3 : Un cadre a été déplacé ou réduit de lui-même : il sortait de la carte ; le "
            "programme l'y a ramené et l'indique en rouge sous le groupe du cadre (Information "
            "100, 110 ou 120)."),
        QStringLiteral(
            "4 : « Texte trop large » (Information 140) : une ligne dépasse la largeur du cadre "
            "avec la police choisie ; prenez une police plus petite, raccourcissez la ligne ou "
            "élargissez le cadre."),
        QStringLiteral(
            "5 : Les lignes qui dépassent le bas d'un cadre ne sont pas imprimées : agrandissez "
            "le cadre ou diminuez la police."),
        QStringLiteral(
            "6 : Les textes des cadres sont enregistrés dans le dossier « element » créé à côté "
            "du fichier .vk1 : copiez ce dossier avec le fichier .vk1 pour emporter la carte "
            "complète."),
        QStringLiteral(
            "7 : « accès carte » est refusé : décochez d'abord T1 et T2 pour rendre les deux "
            "cadres opaques. Fermez aussi l'accès à la carte avant de sauvegarder."),
        QStringLiteral(
            "8 : Le texte d'un cadre transparent n'est imprimé que sur un motif : sans motif, "
            "décochez T1 ou T2."),
        QStringLiteral(
            "9 : Le fond ou l'icône n'est pas à jour après une modification faite dans la "
            "carte : cliquez sur « appliquer »."),
        QStringLiteral(
            "10 : Avant d'imprimer, « contrôle », « audit » signale les tailles de police, "
            "l'icône qui touche le cadre 1, les espaces superflus et les polices qui risquent "
            "d'être imprimées autrement ; « test impression » imprime une seule carte."),
        QString(),
        QStringLiteral("MINI-CV : "),
        QStringLiteral("1 : La photo est refusée : seuls les fichiers .bmp sont acceptés."),
        QStringLiteral(
            "2 : Le mini-CV dépasse la page A4 : raccourcissez les zones de texte ou masquez des "
            "éléments optionnels ; « Tests », « impression » le vérifie sans imprimer."),
        QStringLiteral(
            "3 : « Texte trop large détecté » : une ligne d'une zone ne tient pas dans la "
            "largeur ; revoyez ses tabulations, coupez-la ou diminuez le nombre d'exemplaires "
            "par page."),
        QStringLiteral(
            "4 : « Erreur de formatage de texte dans la zone » : ses tabulations ne sont pas "
            "alignées d'une ligne à l'autre ; le bouton « ok » fait cette vérification et peut "
            "afficher le schéma des tabulations."),
        QStringLiteral(
            "5 : Le panneau des boutons est rouge : des éléments optionnels ont changé depuis la "
            "dernière sauvegarde ; « sauvegarder CV » le fait repasser au vert."),
        QStringLiteral(
            "6 : Un chargement « bi-version » ou « tri-version » signale une anomalie : chargez "
            "chaque fichier seul pour trouver celui qui pose problème."),
        QStringLiteral(
            "7 : Les zones de texte sont enregistrées dans le dossier « element » à côté du "
            "fichier .vk4 : copiez ce dossier avec le fichier."),
        QString(),
        QStringLiteral("MESSAGES REPERTORIES"),
        QStringLiteral(
            "Les messages d'avertissement et d'erreur se terminent par un code ; voici ce que "
            "chacun signifie."),
        QString(),
        QStringLiteral("Message 10 :"),
        QStringLiteral("Absence d'imprimante installée : "),
        QStringLiteral("Résolution : installation d'une imprimante"),
        QString(),
        QStringLiteral("Message 100 :"),
        QStringLiteral("Erreur de dimensionnement"),
        QStringLiteral(
            "Résolution : un élément de la carte déborde sur un autre ou sur les limites de la "
            "carte"),
        QStringLiteral(
            "Le message d'avertissement indique l'élément concerné : revoir sa position et ses "
            "dimensions"),
        QString(),
        QStringLiteral("Message 200 :"),
        QStringLiteral("Fichier déjà présent sur le disque"),
        QStringLiteral(
            "Résolution : en choisissant de modifier le fichier il sera remplacé par le nouveau."),
        QStringLiteral(
            "En choisissant de ne pas modifier le fichier : un nouveau fichier sera créé avec une "
            "extension indicée : vk2,vk3,..vk10"),
        QStringLiteral(
            "Si il y a un problème de suppression de l'ancien fichier, ou de reprise de son nom, "
            "le nouveau fichier aura"),
        QStringLiteral("une extension indicée"),
        QString(),
        QStringLiteral("Message 210 :"),
        QStringLiteral("Extension non standard"),
        QStringLiteral(
            "Les extensions standard sont \"vk1\" pour les fichiers paramêtres de la carte et "
            "\"vk4\" pour ceux du mini-cv"),
        QString(),
        QStringLiteral("Message 300 :"),
        QStringLiteral("Taille de police insuffisante"),
        QStringLiteral(
            "Il s'agit d'un conseil de présentation : en principe l'en-tête du cadre1 ne doit "
            "pas avoir un texte plus petit que le cadre 2"),
        QString(),
        QStringLiteral("Message 310 :"),
        QStringLiteral("Le cadre 1 déborde sur l'icone."),
        QStringLiteral(
            "Résolution : diminuez la longueur du cadre 1 ou déplacez à gauche l'icone."),
        QString(),
        QStringLiteral("Message 400 : "),
        QStringLiteral(
            "Erreur survenue lors de la prise en compte de nouveaux paramêtres graphiques"),
        QStringLiteral(
            "Résolution : essayez de nouveaux paramêtres ou de nouveaux éléments graphiques"),
        QString(),
        QStringLiteral("Message 500 :"),
        QStringLiteral(
            "Avertissement sur la possibilité qu'une police de texte ait un aspect écran/papier "
            "différent  "),
    };
}

QStringList assistanceLines()
{
    return QStringList{assistanceTitle()} + minimalConfiguration() + assistanceSections();
}

bool isAssistanceHeading(const QString &line)
{
    const QString text = line.trimmed();
    return !text.isEmpty() && text.front().isLetter() && text == text.toUpper();
}
