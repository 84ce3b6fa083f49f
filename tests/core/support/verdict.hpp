#pragma once
// What a loader or saver tells the pupil, as one comparable text: "" when it succeeded,
// else "title | message" of its message box.
#include <string>

#include "core/files/file_result.hpp"

namespace tavir::testing {

template <typename T>
std::string verdict(const FileResult<T>& result) {
    return result ? std::string() : result.failure().title + " | " + result.failure().message;
}

inline const std::string kSeriesNotOurs = "Fichier non valide | Ce fichier ne correspond pas à cette application";
inline const std::string kSeriesUnreadable = "Erreur lors du chargement du fichier | Lecture impossible sur disque";
inline const std::string kSeriesUnwritable = "Enregistrement impossible | Ecriture impossible sur disque";
inline const std::string kExerciseUnreadable = "Lecture impossible | Vérifier\u00a0:\n- le nom du fichier,\n- l'état du lecteur.";

}  // namespace tavir::testing
