#pragma once
// Why a file could not be read or written, in the companion's words (UTF-8).
#include <string_view>

namespace tavir::files_texts {

// The title of every message about a file that could not be saved: series, exercise, text, picture.
constexpr std::string_view kSaveFailureTitle = "Enregistrement impossible";

constexpr std::string_view kNoFileName = "aucun nom de fichier";
// A folder, a FIFO, a device, or a kernel's pseudo-file (/proc, /sys) that only looks like a file.
constexpr std::string_view kNotARegularFile = "ce n'est pas un fichier ordinaire";
constexpr std::string_view kReadOnlyFile = "fichier en lecture seule";
constexpr std::string_view kTooLarge = "fichier trop gros";
constexpr std::string_view kNoTemporaryName = "aucun nom libre pour le fichier temporaire";
constexpr std::string_view kTooManyLinks = "trop de liens symboliques";

// System errors.
constexpr std::string_view kNotFound = "fichier ou dossier introuvable";
// A save whose folder is not there (or went away during the save).
constexpr std::string_view kFolderMissing = "dossier absent";
constexpr std::string_view kAccessDenied = "accès refusé";
constexpr std::string_view kDiskFull = "disque plein";
constexpr std::string_view kQuotaReached = "quota du disque atteint";
constexpr std::string_view kReadOnlyDisk = "disque en lecture seule";
constexpr std::string_view kNotAFolder = "chemin non valide";
constexpr std::string_view kDiskError = "erreur du disque";
constexpr std::string_view kNameTooLong = "nom trop long";
constexpr std::string_view kTryAgain = "fichier momentanément indisponible, réessayer";
constexpr std::string_view kInterrupted = "opération interrompue, réessayer";
constexpr std::string_view kBusy = "fichier ou disque occupé";
constexpr std::string_view kProgramInUse = "fichier d'un programme en cours d'exécution";
constexpr std::string_view kTooManyOpen = "trop de fichiers ouverts";
constexpr std::string_view kOutOfMemory = "mémoire insuffisante";
constexpr std::string_view kOtherDisk = "opération impossible d'un disque à l'autre";
constexpr std::string_view kInvalid = "nom ou opération non valide sur ce disque";
constexpr std::string_view kNoDevice = "périphérique absent ou débranché";
constexpr std::string_view kNoSuchDevice = "périphérique introuvable";
constexpr std::string_view kTooLargeForSystem = "fichier trop gros pour ce système";
constexpr std::string_view kStale = "fichier du réseau qui n'est plus disponible, rouvrir le dossier";
constexpr std::string_view kNotSupported = "opération non prise en charge par ce disque";
constexpr std::string_view kNetworkDown = "le réseau ne répond pas";
constexpr std::string_view kDisconnected = "disque déconnecté";
constexpr std::string_view kAlreadyThere = "le fichier existe déjà";
constexpr std::string_view kTooManyNames = "trop de liens vers ce fichier";
constexpr std::string_view kLockFailed = "verrouillage du fichier impossible";
constexpr std::string_view kSystemErrorPrefix = "erreur système ";

// How the window adds the reason to a file's message: message, a blank line, then this and
// the reason.
constexpr std::string_view kReasonPrefix = "Raison : ";

}  // namespace tavir::files_texts
