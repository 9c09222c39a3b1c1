// The captions each window must show, in French and in English, as the program's texts give
// them; shared by the tests of each window and the normal-flow test.
#pragma once

#include "windows/window_harness.h"

namespace voriel::test {

inline const ExpectedCaption kStartCaptions[] = {
    {"window", " Bienvenue sur Voriel 2000  version: 16 June 2000",
     " Welcome to Voriel 2000  version: 16 June 2000"},
    {"CREATE", "Débuter", "Begin"},
    {"CANCEL", "Terminer", "Quit"},
    {"Label1", "Voriel 2000", "Voriel 2000"},
    {"Label3", "", ""},
    {"Language_0", "Français", "Français"},
    {"Language_1", "English", "English"},
};

inline const ExpectedCaption kChine1Captions[] = {
    {"window", "  Bouchain 1", "  Chine 1"},
    {"valider", "Valider", "Validation"},
    {"titre1_0", "Définition du premier bouchain dans les 3 dimensions X,Y,Z.",
     "First chine definition in 3 dimensions X,Y,Z."},
    {"titre1_1",
     "Définition des axes:  Origine=tableau,   X=longitudinal vers l'avant,   Y=transversal,  "
     "Z=vers le haut",
     "Axis definition :  Origin=transom,   X=longitudinal toward stem,   Y=transverse,  "
     "Z=upward"},
    {"titre1_2", "Plan X-Y", "X-Y horizontal plane"},
    {"titre1_3", "Plan X-Z", "X-Z vertical plane"},
    {"Label1_0", "Longeur tableau-étrave LWL=", "Length stern-stem LWL="},
    {"Label1_1", "Position du maitre couple /AR=", "Position of max beam="},
    {"Label1_2", "Demi largeur au maitre couple=", "Half max beam="},
    {"Label1_3", "Demi largeur AV au brion=", "Half width forward="},
    {"Label1_4", "Demi largeur AR au tableau=", "Half width afterward="},
    {"Label1_5", "Puissance de X AV (2.1-4)=", "Power of X forward (2-4)="},
    {"Label1_6", "Puissance de X AR (2.1-4)=", "Power of X aft (2-4)="},
    {"Label2_0", "Hauteur AV au brion=", "Height forward="},
    {"Label2_1", "Hauteur AR au tableau=", "Height aft="},
    {"Label2_2", "Forme S arrière=", "Aft S shape="},
    {"Label2_3", "Angle fond (deg/horizontal)=", "Deadrise (deg/horizontal)="},
    {"Label2_4", "Avance de quille (deg)=", "Keel advance angle (deg)="},
    {"Label2_5", "Angle marotte (deg/vertical)=", "Stem incl. (deg/vertical)="},
    {"Label2_6", "Angle tableau (deg/vertical)=", "Transom incl. (deg/vertical)="},
    {"Label2_7", "Forme S avant=", "Forward S shape="},
};

inline const ExpectedCaption kChines23Captions[] = {
    {"window", "  Bouchains 2 - 3", "  Chine 2 - 3"},
    {"valider", "Valider", "Validation"},
    {"titre1_0", "Définition du deuxième, troisième bouchain et du livet (3ème bouchain).",
     "Second chine, third chine and shear line definition."},
    {"titre1_1", "2ème bouchain", "2nd chine"},
    {"titre1_2", "3ème bouchain", "3rd chine"},
    {"titre1_3", "Livet", "Shear line"},
    {"Label1_0", "Hauteur AV=", "Height forward="},
    {"Label1_1", "Hauteur au maitre couple=", "Height at B max="},
    {"Label1_2", "Hauteur AR=", "Height aft="},
    {"Label1_3", "Inclinaison du 1er bordé (deg/horizontal)=", "1st plank incl. (deg/horizontal)="},
    {"Label2_0", "Hauteur AV=", "Height forward="},
    {"Label2_1", "Hauteur au maitre couple=", "Height at B max="},
    {"Label2_2", "Hauteur AR=", "Height aft="},
    {"Label2_3",
     "Inclinaison du 2ème bordé (deg/horizontal)=", "2nd plank incl. (deg/horizontal)="},
    {"Label3_0", "Hauteur AV=", "Height forward="},
    {"Label3_1", "Hauteur au maitre couple=", "Height at B max="},
    {"Label3_2", "Hauteur AR=", "Height aft="},
    {"Label3_3",
     "Inclinaison du 3ème bordé (deg/horizontal)=", "3rd plank incl. (deg/horizontal)="},
    {"ChkMarotte_2", "Marotte rentrante", "stem turned in"},
    {"ChkMarotte_3", "Marotte rentrante", "stem turned in"},
    {"ChkTableau_2", "Tableau rentrant", "transom turned in"},
    {"ChkTableau_3", "Tableau rentrant", "transom turned in"},
};

inline const ExpectedCaption kHydroCaptions[] = {
    {"window", "  Calcul hydrostatique", "  Hydrostatic computation"},
    {"Label1_0",
     "Utilisez le tableau de calcul du budget de masse ou entrez directement la valeur du "
     "déplacement pour calculer la hauteur de la ligne de flottaison,\npuis cliquez le bouton "
     "'Déplacement'",
     "Use the mass budget screen or enter directly the displacement value to compute the water "
     "level,\nthen click on 'Displacement' button"},
    {"Label1_1",
     "Entrez la hauteur de la ligne de flottaison pour calculer le déplacement,\npuis cliquez le "
     "bouton 'Z ligne flottaison'",
     "Enter the height of the waterline to compute the displacement\nthen click 'Z Waterline' "
     "button."},
    {"Label1_2",
     "Cliquez 'Calcul' pour effectuer le calcul désiré, surveillez les commentaires çi-dessous\n"
     "Les unités de mesure du niveau de la flottaison et du déplacement sont les mêmes que pour "
     "les dimensions de la coque du bateau (m et m³).",
     "Click on 'Compute' to execute the desired computation, watch comments herebelow\nUnits of "
     "mesure for waterline height and displacement are the same as for the dimensions of the "
     "hull (m and m³)."},
    {"Label3_0", "Angle de tanguage (deg)", "Pitch angle (deg)"},
    {"Option1_0", "Déplacement (m3)", "Displacement (m3)"},
    {"Option1_1", "Z ligne flottaison (m)", "Z Waterline (m)"},
    {"Calcul1", "Calcul", "Compute"},
    {"fin2", "Terminé", "Quit"},
};

// The hydrostatics window's panel of exact figures and its way to the curves window.
inline const ExpectedCaption kHydroExactCaptions[] = {
    {"ExactFrame", "Valeurs exactes (surface réelle de la coque)",
     "Exact figures (true hull surface)"},
    {"ExactLabel_waterlineZ", "Z flottaison au tableau", "Waterline Z at the transom"},
    {"ExactLabel_pitch", "Angle de tanguage", "Pitch angle"},
    {"ExactLabel_volume", "Volume de carène", "Displaced volume"},
    {"ExactLabel_displacementFresh", "Déplacement, eau douce", "Displacement, fresh water"},
    {"ExactLabel_displacementSea", "Déplacement, eau de mer", "Displacement, sea water"},
    {"ExactLabel_waterlineLength", "Longueur de flottaison", "Waterline length"},
    {"ExactLabel_waterlineBeam", "Largeur de flottaison", "Waterline beam"},
    {"ExactLabel_draft", "Tirant d'eau", "Draft"},
    {"ExactLabel_waterplaneArea", "Surface de flottaison", "Waterplane area"},
    {"ExactLabel_LCF", "Centre de flottaison X (LCF)", "Centre of flotation X (LCF)"},
    {"ExactLabel_buoyancyX", "Centre de carène X", "Centre of buoyancy X"},
    {"ExactLabel_buoyancyY", "Centre de carène Y", "Centre of buoyancy Y"},
    {"ExactLabel_buoyancyZ", "Centre de carène Z", "Centre of buoyancy Z"},
    {"ExactLabel_KB", "KB, carène au-dessus de K", "KB, buoyancy above K"},
    {"ExactLabel_BMt", "BMt, rayon métacentrique transversal",
     "BMt, transverse metacentric radius"},
    {"ExactLabel_BMl", "BMl, rayon métacentrique longitudinal",
     "BMl, longitudinal metacentric radius"},
    {"ExactLabel_KMt", "KMt, métacentre transversal", "KMt, transverse metacentre"},
    {"ExactLabel_KMl", "KMl, métacentre longitudinal", "KMl, longitudinal metacentre"},
    {"ExactLabel_Cb", "Coefficient bloc Cb", "Block coefficient Cb"},
    {"ExactLabel_Cp", "Coefficient prismatique Cp", "Prismatic coefficient Cp"},
    {"ExactLabel_Cm", "Coefficient de maître-couple Cm", "Midship coefficient Cm"},
    {"ExactLabel_Cwp", "Coefficient de flottaison Cwp", "Waterplane coefficient Cwp"},
    {"ExactLabel_wettedSurface", "Surface mouillée", "Wetted surface"},
    {"ExactNote",
     "Même calcul sur la coque réelle : fond courbe entre quille et bouchain 1, tableau et "
     "étrave réels. K : point le plus bas de la coque ; X depuis le tableau.",
     "The same computation on the true hull: curved bottom between keel and chine 1, true "
     "transom and stem. K: the lowest point of the hull; X from the transom."},
    {"Courbes", "Courbes", "Curves"},
};

inline const ExpectedCaption kCurvesCaptions[] = {
    {"window", "  Courbes de carène et stabilité", "  Curves of form and stability"},
    {"FormFrame", "Courbes de carène de la coque réelle, assiette nulle",
     "Curves of form of the true hull, level trim"},
    {"FormNote",
     "KB : centre de carène ; KMt : métacentre transversal ; LCF : centre de flottaison. K : "
     "point le plus bas de la coque. Un point par tirant d'eau calculé, jusqu'au livet le plus "
     "bas.",
     "KB: centre of buoyancy; KMt: transverse metacentre; LCF: centre of flotation. K: the "
     "lowest point of the hull. One point per draft computed, up to the lowest sheer point."},
    {"GzFrame", "Stabilité : bras de levier de redressement GZ", "Stability: righting lever GZ"},
    {"KgLabel", "KG, centre de gravité au-dessus de K (m)", "KG, centre of gravity above K (m)"},
    {"Tracer", "Tracer", "Plot"},
    {"GzNote",
     "La coque est inclinée à déplacement constant (celui de la fenêtre hydrostatique), son "
     "assiette maintenue ; le pont est fermé à la hauteur du livet. K : point le plus bas de la "
     "coque.",
     "The hull is heeled at constant displacement (that of the hydrostatics window), its trim "
     "held; the deck is closed at sheer height. K: the lowest point of the hull."},
    {"Imprimer", "Imprimer", "Print"},
    {"fin", "Fermer", "Close"},
};

inline const ExpectedCaption kMassCaptions[] = {
    {"window", "  Budget de masse", "  Mass budget"},
    {"Calcul1", "Calculer", "Compute"},
    {"Label1",
     "Entrez les données uniquement dans les cases vertes.\nLes cases roses sont réservées aux "
     "résultats de calcul.\n(Une densité de panneau de 12 kg/m2 correspond à une tole "
     "d'aluminium de 4mm)",
     "Enter data only in the green boxes.\nPink boxes are reserved for computation results.\n"
     "(Panel density of 12 kg/m2 correspond to a 4mm Alumium plate)"},
    {"Label2_1", "Densité de panneau\n(kg/m2)", "Panel density\n(kg/m2)"},
    {"Label2_2", "Surface\n(m2)", "Area\n(m2)"},
    {"Label2_3", "Masse\n(kg)", "Mass\n(kg)"},
    {"Label2_4", "Centre de\nmasse X (m)", "Centre of\nmass X (m)"},
    {"Label3_0", "Total", "Total"},
    {"Label3_1", "Fond", "Bottom"},
    {"Label3_2", "Premier bordé", "First side plank"},
    {"Label3_3", "Deuxième bordé", "Second side plank"},
    {"Label3_4", "Troisème bordé", "third side plank"},
    {"Label3_5", "Tableau arrière", "Transom plate"},
    {"Label3_6", "Marotte", "Pram bow plate"},
    {"Label3_7", "Plancher 1", "Floor 1"},
    {"Label3_8", "Pont 2", "Deck 2"},
    {"Label3_9", "Pont 3", "Deck 3"},
    {"Label3_10", "Pont 4", "Deck 4"},
    {"Label3_11", "Cloison 1", "Bulkhead 1"},
    {"Label3_12", "Cloison 2", "Bulkhead 2"},
    {"Label3_13", "Moteur", "Engine"},
    {"Label3_14", "Lest", "Ballast"},
    {"Label3_15", "Passagers", "Passengers"},
    {"Label3_16", "Materiel 1", "Equipment 1"},
    {"Label3_17", "Materiel 2", "Equipment 2"},
    {"Label3_18", "Matériel 3", "Equipment 3"},
};

// The drawing board's buttons, labels and menu entries (its title changes with the hull name).
inline const ExpectedCaption kBoardCaptions[] = {
    {"fmenu", "Fichier", "File"},
    {"fmenu_New", "Nouveau", "New"},
    {"fmenu_Open", "Ouvrir", "Open"},
    {"fmenu_Save", "Sauvegarde", "Save"},
    {"fmenu_S_Data", "Données", "Data"},
    {"fmenu_S_XYZ", "Lignes  XYZ", "Lines  XYZ"},
    {"fmenu_S_DXF", "Lignes  DXF", "Lines  DXF"},
    {"fmenu_SD_XYZ", "Développés XYZ", "Development XYZ"},
    {"fmenu_SD_DXF", "Développés DXF", "Development DXF"},
    {"fmenu_Station_DXF", "Station DXF", "Station DXF"},
    {"fmenu_S_VRML", "VRML 2.0", "VRML 2.0"},
    {"fmenu_Print", "Imprimer", "Print"},
    {"fmenu_P_Dessin", "Dessin", "Drawing"},
    {"fmenu_P_Develop", "Développés", "Development"},
    {"fmenu_P_Tout", "Tout", "All"},
    {"fmenu_P_Gabarits", "Gabarits 1:1", "Full-size templates"},
    {"fmenu_PSetup", "Printer setup", "Printer setup"},
    {"fmenu_Quit", "&Quit", "&Quit"},
    {"Hmenu", "&Hydro", "&Hydro"},
    {"Command1_0", "Bouchain 1", "Chine 1"},
    {"Command1_1", "Bouchains 2-3", "Chine 2-3"},
    {"Label1", "Station X=", "Station X="},
    {"Label2", "Lignes de ", "Lines of "},
    {"DessCouple", "Dessiner couple", "Draw station"},
    {"Developer", "Développer", "Develop"},
    {"dessine", "Redessiner", "Redraw lines"},
    {"CANCEL", "Terminer", "Quit"},
};

}  // namespace voriel::test
