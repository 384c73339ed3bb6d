// The real drawing behind the rules: the rooms composed by Module1 with the
// sprites, surfaces and views of Piirto.
#pragma once

#include "drawing/piirto.h"
#include "drawing/scene.h"
#include "match/drawing_seam.h"

#include <array>
#include <string>
#include <vector>

namespace hovla {

// A frame of the trip is gathered layer by layer and drawn when anything
// else is asked of the drawing, its showing first of all. Knowing every layer,
// the rows that a later lake strip covers whole are neither restored to the
// yard nor drawn under it, and rows drawn from the same layers at the same
// places as in the last frame, untouched since, are left as they are (the
// sky and the cabin above the lake). The pixels are those of drawing each
// layer in turn.
class ScreenDrawing : public Drawing {
public:
    ScreenDrawing(const Muuttujat& state, ViewSink* views = nullptr, std::string decimalSeparator = ".");

    void RedrawScenes() override;
    void DrawSprite(int player, const SpriteRec& rec, int16_t id) override;
    void ShowView(int player) override;
    void DrawTemperature(int player) override;
    void DrawScore(int player) override;
    void ShowRoomPictures() override;
    void AssignYard(int player) override;
    void AssignRoom(int player) override;
    void LoadLakeAndCabin() override;
    void DrawCabin(int player, int x, int y) override;
    void DrawWalker(int player, int x, int y) override;
    void DrawLakeStrip(int player, int x, int y) override;
    long redrawCount() const override { return scene.redrawCount(); }

    // Draws a gathered frame of the trip into its back buffer now. With
    // skipping off every layer is drawn whole, as a check.
    void drawYardFrame();
    void setSkipping(bool on) { skipping_ = on; }

    Piirto piirto;
    Module1 scene;

private:
    struct Layer {
        Surface sprite, mask;  // as loaded when the draw was asked for
        int x, y;
    };
    // What a row of a frame was drawn from: the layers that drew on it, in
    // order, each by its pictures and place; and whether the yard was restored.
    struct Recipes {
        struct Part {
            qint64 sprite, mask;
            int x, y;
            bool operator==(const Part&) const = default;
        };
        std::vector<Part> parts;
        std::vector<int> start;  // row y's parts: [start[y], start[y + 1])
        bool sameRow(int y, const Recipes& other) const;
    };
    void gather(int player, Piirto::Work sprite, Piirto::Work mask, int x, int y);
    void markCovered(const Layer& layer, std::vector<bool>& covered) const;
    Recipes recipesOf(const std::vector<std::vector<bool>>& hidden, const std::vector<bool>& covered) const;

    int yardPlayer_ = -1;  // whose frame of the trip is being gathered
    std::vector<Layer> layers_;
    bool skipping_ = true;
    std::array<Recipes, 2> lastFrame_;  // each player's last frame of the trip
};

} // namespace hovla
