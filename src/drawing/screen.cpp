#include "drawing/screen.h"

namespace hovla {

ScreenDrawing::ScreenDrawing(const Muuttujat& state, ViewSink* views, std::string decimalSeparator)
    : piirto(views), scene(state, piirto, std::move(decimalSeparator))
{
}

void ScreenDrawing::ShowRoomPictures()
{
    for (int p = 0; p < 2; ++p)
        piirto.setViewPicture(p, piirto.roomPicture(p));
}

void ScreenDrawing::AssignYard(int player)
{
    piirto.buffer(player).assignPicture(piirto.yardPicture());
}

void ScreenDrawing::AssignRoom(int player)
{
    piirto.buffer(player).assignPicture(piirto.roomPicture(player));
}

// The lake strip in Sprite3 and Mask3, the cabin in Sprite4 and Mask4.
void ScreenDrawing::LoadLakeAndCabin()
{
    piirto.loadInto(Piirto::Work::Sprite3, 307);
    piirto.loadInto(Piirto::Work::Mask3, 308);
    piirto.loadInto(Piirto::Work::Sprite4, 309);
    piirto.loadInto(Piirto::Work::Mask4, 310);
}

void ScreenDrawing::DrawCabin(int player, int x, int y)
{
    piirto.maskedDraw(player, x, y, Piirto::Work::Sprite4, Piirto::Work::Mask4);
}

// The walker is loaded into Sprite2 and Mask2 for every frame: a mirrored
// draw uses the same pair as scratch.
void ScreenDrawing::DrawWalker(int player, int x, int y)
{
    piirto.loadInto(Piirto::Work::Sprite2, 311);
    piirto.loadInto(Piirto::Work::Mask2, 312);
    piirto.maskedDraw(player, x, y, Piirto::Work::Sprite2, Piirto::Work::Mask2);
}

void ScreenDrawing::DrawLakeStrip(int player, int x, int y)
{
    piirto.maskedDraw(player, x, y, Piirto::Work::Sprite3, Piirto::Work::Mask3);
}

} // namespace hovla
