"""Temperature conversions with the library's own constants: F = (K - 273.15) 1.8 + 32."""


def kelvin_to_fahrenheit(k):
    return (k - 273.15) * 1.8 + 32


def fahrenheit_to_kelvin(f):
    return (f - 32) / 1.8 + 273.15


def kelvin_to_celsius(k):
    return k - 273.15


def celsius_to_kelvin(c):
    return c + 273.15
