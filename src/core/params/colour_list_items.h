#pragma once

#include <string_view>

namespace vermora {

// The 126 items of the colour lists cbColor1 to cbColor4, separated by '|': the
// 125 colour names in table order, then "Custom Color". Names of items 8 to 121
// are padded with blanks to ten characters, which lines up the list display; a
// name is compared and written exactly as it stands here, so the two "Silver"
// items (91 padded, 122 not) stay apart.
inline constexpr std::string_view kColourListItems =
    "Red|Green|Blue|Yellow|Cyan|Magenta|White|Black|DimGray   |Gray      |LightGray |"
    "Apricot   |Aquamarine|Banana    |BlueViolet|Brown     |Burnt_orange|Burnt_sienna|"
    "Burnt_umber|CadetBlue |Cerulean_blue|Coral     |CornflowerBlue|DarkGreen |DarkOliveGreen|"
    "DarkOrchid|DarkSlateBlue|DarkSlateGray|DarkSlateGrey|DarkTurquoise|Eggshell  |Firebrick |"
    "ForestGreen|Gold      |Goldenrod |GreenYellow|IndianRed |Khaki     |Lavender  |LightBlue |"
    "LightSteelBlue|LimeGreen |Maroon    |MediumAquamarine|MediumBlue|MediumForestGreen|"
    "MediumGoldenrod|MediumOrchid|MediumSeaGreen|MediumSlateBlue|MediumSpringGreen|"
    "MediumTurquoise|MediumVioletRed|Melon     |MidnightBlue|Navy      |NavyBlue  |Ochre_deep|"
    "Ochre_flesh|Ochre_gold|Olive_green|Orange    |OrangeRed |Orchid    |PaleGreen |Peach     |"
    "Pink      |Plum      |Raw_sienna|Raw_umber |Salmon    |SeaGreen  |Sepia     |Sienna    |"
    "SkyBlue   |SlateBlue |SpringGreen|SteelBlue |Tan       |Thistle   |Turquoise |Violet    |"
    "VioletRed |Wheat     |YellowGreen|SummerSky |RichBlue  |Brass     |Copper    |Bronze    |"
    "Bronze2   |Silver    |BrightGold|OldGold   |Feldspar  |Quartz    |Mica      |NeonPink  |"
    "DarkPurple|NeonBlue  |CoolCopper|MandarinOrange|LightWood |MediumWood|DarkWood  |"
    "SpicyPink |SemiSweetChoc|BakersChoc|Flesh     |NewTan    |NewMidnightBlue|VeryDarkBrown|"
    "DarkBrown |DarkTan   |GreenCopper|DkGreenCopper|DustyRose |HuntersGreen|Scarlet   |"
    "Med_Purple|Light_Purple|Very_Light_Purple|Silver|Mahogany|Maize|Custom Color";

}  // namespace vermora
