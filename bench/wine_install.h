#pragma once
// Unattended installs under Wine: a session of its own (scripts/wine-session.sh: an X server
// and a fresh prefix), a MetaTrader folder made in it, each installer's run timed, and the
// installed files compared with the product's.

#include <string>
#include <vector>

#include "nsis_peer.h"
#include "process.h"
#include "product.h"

namespace bench {

class WineSession {
  public:
    // `script` is wine-session.sh; the session and its prefix live below `folder`.
    WineSession(std::string script, std::string folder);
    // Stops the session when it was started.
    ~WineSession();
    WineSession(const WineSession&) = delete;
    WineSession& operator=(const WineSession&) = delete;

    // Empty when the session runs; otherwise why it does not.
    std::string Start();
    // The host path of a Windows path on drive C of the prefix.
    std::string HostPath(const std::string& windowsPath) const;
    // Runs `wine program args...` in the session.
    RunResult Run(const std::vector<std::string>& args, double timeoutSeconds) const;

  private:
    std::string script_;
    std::string folder_;
    std::vector<std::string> variables_;
    std::string prefix_;
    bool started_ = false;
};

// Makes a MetaTrader 4 folder (terminal.exe, experts with its subfolders, sounds, config) at
// `places.metatraderFolder`, and removes what an earlier install left there and in the
// product folder.
bool PrepareTerminal(const WineSession& session, const InstallPlaces& places);

// The product's files that are not where the installer should have put them, byte for byte.
std::vector<std::string> MisplacedFiles(const WineSession& session, const Product& product,
                                        const InstallPlaces& places);

}  // namespace bench
