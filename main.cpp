/*
 * Goes through the numbers 1 to 60 and prints each multiple of three
 * beside its running number, then their count, sum and average.
 */
#include <cerrno>
#include <cstdio>
#include <cstring>

int
main()
{
	int i;
	int jumlah = 0;
	int banyak = 0;
	float rata;
	int failed;

	for (i = 1; i <= 60; i++) {
		if (i % 3 == 0) {
			banyak++;
			std::printf("[%d]", banyak);
			jumlah += i;
			std::printf("%d\n", i);
		}
	}
	std::printf("%d\n", banyak);
	std::printf("%d\n", jumlah);
	rata = static_cast<float>(jumlah) / static_cast<float>(banyak);
	std::printf("rata-ratanya adalah %.2f", static_cast<double>(rata));

	/*
	 * A report cut short must not pass as done. A full disk or a closed
	 * output fails the write; some network file systems and disk quotas
	 * fail only the close, which exit would not check.
	 */
	failed = std::ferror(stdout);
	if (std::fclose(stdout) == EOF || failed) {
		std::fprintf(stderr, "main: write error: %s\n", std::strerror(errno));
		return 1;
	}
	return 0;
}
