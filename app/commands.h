// The three commands of `quentarb`. Each returns the process exit status: 0 success, 1 when
// the plug-in returned an error to the host (the document is still written), 2 for bad
// arguments or a bad gesture file (nothing written).
#ifndef QT_APP_COMMANDS_H
#define QT_APP_COMMANDS_H

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace qtapp {

struct DrawArgs {
    std::string tool = "grid";
    int shape = 0;
    std::vector<std::string> sets;  // NAME=VALUE, in order
    std::string from = "100,100";
    std::string to = "300,250";
    int steps = 8;
    std::string gesture;
    std::string modifiers = "0";
    int pressure = 255;
    bool pressureDevice = false;
    long long seed = 1;
    std::string page = "612,792";
    std::string view;
    std::string colorModel = "rgb";
    std::string fill = "#ffffff";
    std::string stroke = "#000000";
    double strokeWidth = 1.0;
    std::string out;
};

int runDraw(const DrawArgs& args, std::ostream& err);
int runOptions(const std::optional<std::string>& tool, bool json, std::ostream& out, std::ostream& err);
int runGallery(const std::string& directory, std::ostream& out, std::ostream& err);

}  // namespace qtapp

#endif
