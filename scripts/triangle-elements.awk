# SPDX-License-Identifier: GPL-3.0-or-later
# The elements of a triangle by name, from its angles (radians) and sides,
# for the scripts that generate requests (compare-outputs.sh and
# web/tests/compare-with-native.sh); `pi` is the caller's.
function element(name, A, B, C, a, b, c,    s, S, R, p) {
    p = (a + b + c) / 2; S = a * b * sin(C) / 2; R = a / (2 * sin(A))
    if (name == "A") return A * 180 / pi; if (name == "B") return B * 180 / pi; if (name == "C") return C * 180 / pi
    if (name == "a") return a; if (name == "b") return b; if (name == "c") return c
    if (name == "S") return S; if (name == "R") return R; if (name == "P") return 2 * p; if (name == "p") return p
    if (name == "r") return S / p
    if (name == "h_a") return 2 * S / a; if (name == "h_b") return 2 * S / b; if (name == "h_c") return 2 * S / c
    if (name == "m_a") return sqrt(2 * b * b + 2 * c * c - a * a) / 2
    if (name == "m_b") return sqrt(2 * a * a + 2 * c * c - b * b) / 2
    if (name == "m_c") return sqrt(2 * a * a + 2 * b * b - c * c) / 2
    if (name == "l_a") return 2 * b * c * cos(A / 2) / (b + c)
    if (name == "l_b") return 2 * a * c * cos(B / 2) / (a + c)
    return 2 * a * b * cos(C / 2) / (a + b)
}
