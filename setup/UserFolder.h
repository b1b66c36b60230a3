#pragma once
// The user's own folder for the generator of a system-wide installation
// (the Debian package): the stock data stays read-only in the shared
// folder, while the user gets a writable folder holding the profile
// "Q4DK.ini", the output folder "Lager" and links to the stock templates
// and the help,
// and the registry values the generator reads at start-up, pointing at
// both. This is what the installer's configuration step does for an
// installation it copies itself.
//
//   makeUserFolder("/usr/share/vorkel", "/home/ann/Vorkel", registry);
//
// An existing folder is completed, never overwritten: a profile, a
// template or registry values already there stay as they are.

#include <string>

namespace vorkel {
class Registry;
}

namespace vorkel::setup {

// The stock folder holds the profile template "q4dk.ini", the templates
// "Model1.skb".."Model6.skb", and the folders "Dic", "Model" and "Vej".
// False (with the reason in `error`) when the user folder cannot be made.
bool makeUserFolder(const std::string& stockFolder, const std::string& userFolder,
                    Registry& registry, std::string& error);

}  // namespace vorkel::setup
