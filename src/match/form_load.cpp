#include "match/form_load.h"

namespace hovla {

void Form_Load(Muuttujat& s, DX7Sound& sound, WindowHandle window, const std::string& gameFolder)
{
    s.TitleText = " Strandok by Tuvrikon 2004";
    sound.InitDirectSound(window);
    sound.SetSoundFolder(gameFolder + "/Audio");
    sound.LoadSoundPool(10, "WELCOME.wav");
    sound.PlaySoundFile("WELCOME.wav");  // its read of the sliders makes the menu
}

} // namespace hovla
