// The yardstick of bench/program_bench.sh: the least an SDL program does to show a 1024 x 768
// window, paint one frame through its window surface and wait for the window's close.
#include <SDL.h>

int main(int argc, char** argv) {
    (void)argc;
    (void)argv;
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
    SDL_Window* w = SDL_CreateWindow("bare", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 1024,
                                     768, SDL_WINDOW_SHOWN);
    if (!w) return 1;
    SDL_Surface* s = SDL_GetWindowSurface(w);
    if (!s) return 1;
    SDL_FillRect(s, NULL, SDL_MapRGB(s->format, 0x30, 0x70, 0xC0));
    SDL_Rect r = {100, 100, 300, 200};
    SDL_FillRect(s, &r, SDL_MapRGB(s->format, 0xF0, 0xD0, 0x40));
    SDL_UpdateWindowSurface(w);
    SDL_Event e;
    while (SDL_WaitEvent(&e)) {
        if (e.type == SDL_QUIT) break;
        if (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_EXPOSED)
            SDL_UpdateWindowSurface(w);
    }
    SDL_DestroyWindow(w);
    SDL_Quit();
    return 0;
}
