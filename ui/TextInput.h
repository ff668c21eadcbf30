#pragma once

// Whether a typed character may go into a text field: space ! " # $ & ' * +
// , - . / 0-9 = ? @ A-Z ^ _ ` a-z. Everything else (% ( ) : ; < > [ \ ] { | }
// ~, control and non-ASCII characters) is refused, so typed text is always
// plain printable ASCII the font can draw.
bool isTextInputChar(char character);
