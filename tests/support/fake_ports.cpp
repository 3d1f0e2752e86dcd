#include "fake_ports.h"

namespace mirvalon::test {

void Rig::playRow(const std::vector<int>& pieces)
{
    for (int piece : pieces) {
        game.doubleClickPalettePiece(piece);
        game.releaseButton();
    }
    game.confirmRow();
}

void Rig::setHidden(const std::vector<int>& pieces)
{
    GameState& st = game.mutableState();
    st.hiddenRow.fill(0);
    for (std::size_t i = 0; i < pieces.size(); ++i)
        st.hiddenRow[i] = pieces[i];
}

} // namespace mirvalon::test
