// Keeps the program library non-empty until its first procedures exist.
