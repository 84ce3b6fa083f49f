#pragma once
// The information window `ftavir`, on the desktop and in the browser.
#include <string_view>

namespace tavir::information_texts {

constexpr std::string_view kCaption = "Tavir";
constexpr std::string_view kOk = "OK";
// A line break, the first two parts in one paragraph, a line break, the last two parts.
constexpr std::string_view kNote =
    "\r\nDans la représentation de Tavir, un trait entre deux symboles est un doublet liant, "
    "mis en commun par deux atomes. Un trait contre un seul symbole est un doublet non liant.\r\n"
    "L'hydrogène porte un doublet (règle du duet), les autres atomes quatre (règle de l'octet). "
    "Comptez les traits autour de chaque atome.";

}  // namespace tavir::information_texts
