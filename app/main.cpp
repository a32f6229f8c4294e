// quentarb: the command-line host of the plug-in.
#include <CLI/CLI.hpp>
#include <iostream>

#include "app/commands.h"

int main(int argc, char** argv) {
    CLI::App app{"quentarb: draw with the QuenTarb plug-in without its host"};
    app.require_subcommand(1);

    qtapp::DrawArgs draw;
    CLI::App* drawCmd = app.add_subcommand("draw", "one or more drags through the plug-in, then export");
    drawCmd->add_option("--tool", draw.tool, "mode by name or 0 to 12");
    drawCmd->add_option("--shape", draw.shape, "line type 0 to 23");
    drawCmd->add_option("--set", draw.sets, "NAME=VALUE, through the palette control (repeatable)")
        ->allow_extra_args(false);
    drawCmd->add_option("--from", draw.from, "mouse-down point X,Y");
    drawCmd->add_option("--to", draw.to, "last drag point X,Y");
    drawCmd->add_option("--steps", draw.steps, "drag events");
    drawCmd->add_option("--gesture", draw.gesture, "JSON gesture file");
    drawCmd->add_option("--modifiers", draw.modifiers, "modifier bits (decimal or 0x hex)");
    drawCmd->add_option("--pressure", draw.pressure, "pen pressure 0 to 255");
    drawCmd->add_flag("--pressure-device", draw.pressureDevice, "the host reports a pressure device");
    drawCmd->add_option("--seed", draw.seed, "random seed");
    drawCmd->add_option("--page", draw.page, "page size W,H in points");
    drawCmd->add_option("--view", draw.view, "document view bounds L,T,R,B");
    drawCmd->add_option("--color-model", draw.colorModel, "rgb, cmyk or gray");
    drawCmd->add_option("--fill", draw.fill, "fill of new art");
    drawCmd->add_option("--stroke", draw.stroke, "stroke of new art");
    drawCmd->add_option("--stroke-width", draw.strokeWidth, "stroke width of new art");
    drawCmd->add_option("--out", draw.out, ".svg, .pdf, .png or .json; - for JSON on stdout");

    std::string galleryDir = "gallery";
    CLI::App* galleryCmd = app.add_subcommand("gallery", "every mode as PNG, SVG and JSON with an index.html");
    galleryCmd->add_option("--out", galleryDir, "directory");

    std::optional<std::string> optionsTool;
    bool optionsJson = false;
    CLI::App* optionsCmd = app.add_subcommand("options", "every option with its range, control and tool");
    optionsCmd->add_option("--tool", optionsTool, "only this mode's options");
    optionsCmd->add_flag("--json", optionsJson, "one JSON array");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::cerr << "quentarb: " << e.what() << "\n";
        return 2;
    }
    if (drawCmd->parsed()) return qtapp::runDraw(draw, std::cerr);
    if (galleryCmd->parsed()) return qtapp::runGallery(galleryDir, std::cout, std::cerr);
    return qtapp::runOptions(optionsTool, optionsJson, std::cout, std::cerr);
}
