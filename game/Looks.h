// The hero's looks by name: the numbers that pick his hair, face and hands from the pictures.
#pragma once

#include <cstdint>

namespace hairdo {
enum : int16_t { bald, top_tuft, short_spiky, fringe, full, blond_spiky, long_wig, blond_fringe, blond_tuft };
}

namespace expression {
enum : int16_t {
    calm, puzzled, dejected, tired, sad, crying, unamused, overjoyed, shy, wry, pained, pleased, cool_thumb_up
};
}

// What his hands hold; the tanned hero's hands are pictures of their own, picked when he is drawn.
namespace held {
enum : int16_t { nothing, cigarette_peace, fan, shopping_bags, beer };
}
