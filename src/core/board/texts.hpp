#pragma once
// The main window's own texts: captions, tooltips, hover texts and questions, for the desktop
// window and the browser page alike.
#include <string_view>

namespace tavir::board_texts {


constexpr std::string_view kWindowCaption = "Tavir";
constexpr std::string_view kCaptionFilePrefix = "Tavir - ";
constexpr std::string_view kFrame1Title = " Dessiner ( deux dimensions )";
constexpr std::string_view kInfo2 =
    "Utiliser le bouton gauche de la souris pour déplacer les atomes et le bouton droit pour modifier les liaisons.";
constexpr std::string_view kClipboardConfirmation =
    "L'image est copiée\u00a0: vous pouvez la retrouver depuis toute autre application (coller)";

// Bond menu `menuflo`.
constexpr std::string_view kBondSimple = "liaison &simple";
constexpr std::string_view kBondDouble = "liaison &double";
constexpr std::string_view kBondTriple = "liaison &triple";
// What a carbon with three single bonds carries on its fourth place, while ions may be built.
constexpr std::string_view kLonePair = "Doublet &non liant";
constexpr std::string_view kVacancy = "&Lacune électronique";

// Copy menu `menucopie` and erase menu `nbdel`: control name and caption.
struct MenuItemText {
    std::string_view name;
    std::string_view caption;
};
constexpr MenuItemText kConstruc{"construc", "La construction"};
constexpr MenuItemText kTavirrep{"tavirrep", "La représentation de Tavir"};
constexpr MenuItemText kAni3d{"ani3d", "L'animation 3D avec le fond"};
constexpr MenuItemText kAni3dsf{"ani3dsf", "L'animation 3D sans le fond"};
// After a separator: the view saved as a PNG, SVG or PDF file.
constexpr MenuItemText kSaveImage{"saveimage", "Enregistrer l'image…"};
constexpr MenuItemText kSq01{"sq01", "Effacer la construction actuelle"};
constexpr MenuItemText kSq02{"sq02", "Effacer les 10 constructions"};

// Hover texts put into `info`.
constexpr std::string_view kHoverBackground =
    "Vous pouvez commencer une nouvelle construction, ouvrir une liste ou un exercice";
constexpr std::string_view kHoverBoard =
    "Bouton gauche pour déplacer un élément\r\nBouton droit pour modifier les liaisons.";
constexpr std::string_view kHoverCell = "Bouton gauche pour déplacer un élément\r\nBouton droit pour modifier les liaisons";
constexpr std::string_view kHoverPalette = "Utiliser le bouton gauche de la souris pour déplacer les éléments.";
constexpr std::string_view kHoverBtexo =
    "Ouvrir un énoncé, enregistrer le texte, obtenir la correction, imprimer ou fermer";
constexpr std::string_view kHoverCopy = "Copier pour placer le dessin dans le presse-papiers";

struct ButtonTexts {
    std::string_view name;
    std::string_view caption;
    std::string_view tooltip;
    std::string_view hover;
};
// The buttons of the main window with their caption, fixed tooltip and hover text.
constexpr ButtonTexts kCommand12{"Command12", "&Nouveau", "Nouvelle construction", ""};
constexpr ButtonTexts kCommand2{"Command2", "&Ouvrir", "Ouvrir une série de constructions",
                                "Retrouver une série de constructions"};
constexpr ButtonTexts kCommand11{"Command11", "&Enregistrer", "Enregistrer les constructions",
                                 "Enregistrer les 10 constructions"};
constexpr ButtonTexts kCommand10{"Command10", "&Imprimer", "Imprimer l'image", "Configurer l'imprimante et imprimer l'image"};
constexpr ButtonTexts kCommand4{"Command4", "Co&pier", "Placer l'image dans le presse-papiers", kHoverCopy};
constexpr ButtonTexts kCommand14{"Command14", "Co&ller", "Récupérer l'image du presse-papiers",
                                 "Pour retrouver une construction copiée"};
constexpr ButtonTexts kCommand13{"Command13", "Annule&r", "Annuler dernière modification",
                                 "Retrouver la construction avant la dernière modification."};
constexpr ButtonTexts kCommand8{"Command8", "&Calculatrice", "Machine à calculer", "Machine à calculer"};
constexpr ButtonTexts kCommand7{"Command7", "&Aide", "Aide pour utiliser cette application",
                                "Si vous rencontrez une difficulté avec cette application"};
constexpr ButtonTexts kCommand9{"Command9", "&Voir le cours", "Aide théorique",
                                "Le bouton Voir le cours permet d'accéder directement à une partie du cours du manuel"};
constexpr ButtonTexts kCommand1{"Command1", "&Fermer", "Quitter cette application",
                                "Pour retrouver le module principal et quitter cette application"};
constexpr ButtonTexts kButtons[] = {kCommand12, kCommand2,  kCommand11, kCommand10, kCommand4, kCommand14,
                                    kCommand13, kCommand8,  kCommand7,  kCommand9,  kCommand1};

// Keyboard editing of the board: where it is told, and what a screen reader says of the cells.
// No-break spaces keep the key lists whole when the label wraps.
constexpr std::string_view kInfo2Keyboard = "Au clavier : flèches, C\u00a0H\u00a0O\u00a0N\u00a0L, Suppr, 1\u00a02\u00a03.";
constexpr std::string_view kBoardKeyboardHelp =
    "Au clavier : les flèches choisissent une case ; C, H, O, N ou L (chlore) y place un atome, "
    "Suppr l'enlève, 1, 2 ou 3 donne l'ordre de sa liaison ; avec les charges formelles, V change "
    "le doublet non liant d'un carbone en lacune électronique et inversement.";
// What `info` says when Tab brings the keyboard to the board: two lines of that label.
constexpr std::string_view kBoardKeyboardInfo =
    "Au clavier : flèches (case), C\u00a0H\u00a0O\u00a0N\u00a0L (atome), Suppr, 1\u00a02\u00a03 (liaison).";
// The same as a short table, the tooltip of `info2`: a tooltip does not wrap by itself.
constexpr std::string_view kBoardKeyboardTooltip =
    "Au clavier :\n"
    "flèches : choisir une case\n"
    "C, H, O, N, L (chlore) : y placer un atome\n"
    "Suppr : enlever l'atome\n"
    "1, 2, 3 : ordre de sa liaison\n"
    "V : doublet non liant ou lacune électronique (ions)";
constexpr std::string_view kBoardAccessibleName = "Grille de construction";
constexpr std::string_view kCellAccessibleName = "Case ligne %1, colonne %2 : %3";
constexpr std::string_view kEmptyCellName = "vide";
// Indexed by bond order 0..3.
constexpr std::string_view kBondDescriptions[] = {"sans liaison", "liaison simple", "liaison double",
                                                  "liaison triple"};

constexpr std::string_view kConstructionTooltipPrefix = "Construction n°";

// Closing questions.
constexpr std::string_view kDiscardTitle = "Abandon des données?";
constexpr std::string_view kDiscardText = "Attention\u00a0: perte des modifications du texte.";
constexpr std::string_view kQuitTitle = "Fermer";
constexpr std::string_view kQuitText = "Quitter vraiment ce simulateur ?";
// Before the series is replaced, cleared or closed with changes not yet saved.
constexpr std::string_view kSeriesModifiedTitle = "Série modifiée";
constexpr std::string_view kSeriesModifiedText =
    "Les constructions de la série ont été modifiées depuis leur dernier enregistrement.\n"
    "Voulez-vous les enregistrer ?";
// Its three answers; "&" marks the key that answers with Alt.
constexpr std::string_view kAnswerSave = "&Enregistrer";
constexpr std::string_view kAnswerDontSave = "&Ne pas enregistrer";
constexpr std::string_view kAnswerCancel = "Annuler";

// Names and descriptions a screen reader announces for the main window's controls whose
// caption is missing or does not say what they are.
constexpr std::string_view kA11yElementNames[] = {"", "Carbone", "Hydrogène", "Oxygène", "Azote", "Chlore"};
constexpr std::string_view kA11yPaletteDescription =
    "Élément de la palette : le faire glisser avec le bouton gauche de la souris sur une case de la grille.";
// Followed by the construction's number.
constexpr std::string_view kA11yConstructionPrefix = "Construction ";
constexpr std::string_view kA11yConstructionDescription = "Choisir la construction à afficher et à modifier";
constexpr std::string_view kA11yDrawingFrame = "Dessiner (deux dimensions)";
constexpr std::string_view kA11yCopyMenu = "Copier dans le presse-papiers";
constexpr std::string_view kA11yEraseMenu = "Effacer";
constexpr std::string_view kA11yBondMenu = "Ordre de la liaison";
constexpr std::string_view kA11yAtomMenu = "Doublet non liant ou lacune électronique";

// The browser page's own controls and messages.
constexpr std::string_view kLoading = "Chargement de Tavir…";
// What a browser shows of the page installed as an application.
constexpr std::string_view kManifestDescription =
    "Construire des molécules simples et voir leur formule, leur représentation de Tavir et leur forme en trois "
    "dimensions";
constexpr std::string_view kNoScript = "Tavir a besoin de JavaScript : autorisez-le pour cette page.";
constexpr std::string_view kNoWebAssembly =
    "Ce navigateur ne peut pas faire fonctionner Tavir : utilisez une version récente de Chrome, Edge, Firefox ou Safari.";
// Every letter of its caption answers another button already: it has no Alt key.
constexpr ButtonTexts kCopyLink{"copylink", "Copier le lien", "Copier le lien qui ouvre cette construction",
                                "Le lien ouvre la construction affichée : collez-le dans une fiche ou un message."};
constexpr std::string_view kLinkCopied =
    "Le lien est copié : collé dans une fiche ou un message, il ouvre cette construction.";
// When the browser does not let the page write the clipboard: the link follows.
constexpr std::string_view kLinkToCopy = "Copiez ce lien : ";
constexpr std::string_view kStorageUnavailable =
    "Ce navigateur ne garde pas les constructions : enregistrez la série avant de fermer la page.";
constexpr std::string_view kSeriesNameLabel = "Nom du fichier :";
constexpr std::string_view kDialogOk = "OK";
constexpr std::string_view kDialogCancel = "Annuler";
// Put into `info` after a download: followed by the file's name.
constexpr std::string_view kDownloaded = "Le fichier est dans le dossier des téléchargements : ";
constexpr std::string_view kPictureNotCopied =
    "Le navigateur n'a pas permis de copier l'image : utilisez « Enregistrer l'image… » du menu Copier.";
constexpr std::string_view kLongPressHelp = "Appui long sur une case : ordre de la liaison.";

}  // namespace tavir::board_texts
