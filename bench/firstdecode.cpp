// The baseline for the time to a show's first picture: one JPEG file read and decoded, plainly,
// at the smallest TurboJPEG scale that still covers the screen, on one thread.
//
//   firstdecode FILE WIDTH HEIGHT     prints the milliseconds taken

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <turbojpeg.h>
#include <vector>

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: firstdecode FILE WIDTH HEIGHT\n");
        return 2;
    }
    const int screenWidth = std::atoi(argv[2]);
    const int screenHeight = std::atoi(argv[3]);
    const auto start = std::chrono::steady_clock::now();
    std::ifstream in(argv[1], std::ios::binary);
    const std::vector<unsigned char> jpeg((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    tjhandle decoder = tjInitDecompress();
    int width = 0, height = 0, subsampling = 0, colorspace = 0;
    if (jpeg.empty()
        || tjDecompressHeader3(decoder, jpeg.data(), jpeg.size(), &width, &height, &subsampling,
                               &colorspace)
            != 0)
        return 1;
    int count = 0;
    const tjscalingfactor *factors = tjGetScalingFactors(&count);
    int scaledWidth = width, scaledHeight = height;
    for (int i = 0; i < count; ++i) {
        const int w = TJSCALED(width, factors[i]);
        const int h = TJSCALED(height, factors[i]);
        if (w >= screenWidth && h >= screenHeight && w * h < scaledWidth * scaledHeight) {
            scaledWidth = w;
            scaledHeight = h;
        }
    }
    std::vector<unsigned char> pixels(size_t(scaledWidth) * scaledHeight * 4);
    if (tjDecompress2(decoder, jpeg.data(), jpeg.size(), pixels.data(), scaledWidth, 0,
                      scaledHeight, TJPF_BGRX, 0)
        != 0)
        return 1;
    tjDestroy(decoder);
    const double ms
        = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
              .count();
    std::printf("%.1f\n", ms);
    return 0;
}
