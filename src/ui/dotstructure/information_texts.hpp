#pragma once
// The information window `ftavir`.
#include <string_view>

namespace tavir::ui::infotexts {

constexpr std::string_view kCaption = "Tavir";
constexpr std::string_view kOk = "OK";
// A line break, the first two parts in one paragraph, a line break, the last two parts.
constexpr std::string_view kNote =
    "\r\nDans la représentation de Tavir, chaque trait tracé entre deux symboles figure un doublet "
    "liant : deux électrons mis en commun par les deux atomes. Chaque trait placé contre un seul "
    "symbole figure un doublet non liant, qui n'appartient qu'à cet atome.\r\n"
    "L'hydrogène s'entoure d'un seul doublet (règle du duet) ; les autres atomes s'entourent de quatre "
    "doublets, liants ou non liants (règle de l'octet). Comptez les traits autour de chaque atome pour "
    "le vérifier.";

}  // namespace tavir::ui::infotexts
