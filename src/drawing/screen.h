// The real drawing behind the rules: the rooms composed by Module1 with the
// sprites, surfaces and views of Piirto.
#pragma once

#include "drawing/piirto.h"
#include "drawing/scene.h"
#include "match/drawing_seam.h"

#include <string>

namespace hovla {

class ScreenDrawing : public Drawing {
public:
    ScreenDrawing(const Muuttujat& state, ViewSink* views = nullptr, std::string decimalSeparator = ".");

    void RedrawScenes() override { scene.RedrawScenes(); }
    void DrawSprite(int player, const SpriteRec& rec, int16_t id) override { piirto.DrawSprite(player, rec, id); }
    void ShowView(int player) override { piirto.ShowView(player); }
    void DrawTemperature(int player) override { scene.DrawTemperature(player); }
    void DrawScore(int player) override { scene.DrawScore(player); }
    void ShowRoomPictures() override;
    void AssignYard(int player) override;
    void AssignRoom(int player) override;
    void LoadLakeAndCabin() override;
    void DrawCabin(int player, int x, int y) override;
    void DrawWalker(int player, int x, int y) override;
    void DrawLakeStrip(int player, int x, int y) override;
    long redrawCount() const override { return scene.redrawCount(); }

    Piirto piirto;
    Module1 scene;
};

} // namespace hovla
