#pragma once
// The mounted file systems: what a Windows user would see as the fixed and
// removable drives of the computer.
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace ramvel {

struct TSystemPlikow {
    std::string Urzadzenie;  // the device as the mount table names it
    std::string Katalog;     // where it is mounted
    std::string Typ;         // "ext4", "vfat", "tmpfs" ...
    std::string Etykieta;    // the volume label; '' when unknown
};

// The lines of a mount table (/proc/self/mounts): device, mount point, type,
// with the octal escapes ("\040" for a blank) decoded. Malformed lines are
// skipped.
std::vector<TSystemPlikow> CzytajTabliceMontowan(std::string_view tresc);

// The volume label of each device, by the device's real path, from the links
// of /dev/disk/by-label (whose names escape bytes as "\x20").
std::map<std::string, std::string> EtykietyUrzadzen(const std::string& katalogEtykiet = "/dev/disk/by-label");

// Of the mounted file systems, those a user picks directories from: the root,
// /home, and whatever is mounted under /media and /mnt. Each mount point once
// (the last mount over it is what is seen there), in the table's order, with
// labels where known.
std::vector<TSystemPlikow> SystemyPlikowDoWyboru(const std::vector<TSystemPlikow>& zamontowane,
                                                 const std::map<std::string, std::string>& etykiety);
std::vector<TSystemPlikow> SystemyPlikowDoWyboru();

}  // namespace ramvel
